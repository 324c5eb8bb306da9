#!/usr/bin/env bash
# Time from launch to the first window of Vibralume on screen, in a real X
# server (Xvfb), median of N runs (10 by default).
#   bench/demarrage.sh [path/to/vibralume] [runs]
set -euo pipefail
programme=${1:-build/bin/vibralume}
n=${2:-10}
affichage=:${AFFICHAGE:-91}
Xvfb "$affichage" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
export DISPLAY=$affichage
sleep 1
durees=()
for ((k = 0; k < n; k++)); do
    debut=$(date +%s%N)
    "$programme" >/dev/null 2>&1 &
    pid=$!
    until xdotool search --onlyvisible --name Vibralume >/dev/null 2>&1; do
        kill -0 "$pid" 2>/dev/null || { echo "the program ended before its window showed" >&2; exit 1; }
        sleep 0.005
    done
    fin=$(date +%s%N)
    durees+=($(((fin - debut) / 1000000)))
    kill "$pid"; wait "$pid" 2>/dev/null || true
done
printf '%s\n' "${durees[@]}" | sort -n | awk '{a[NR]=$1} END {printf "runs: %d  median: %d ms  min: %d ms  max: %d ms\n", NR, (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2), a[1], a[NR]}'
