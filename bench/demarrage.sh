#!/usr/bin/env bash
# Start-up times in a real X server (Xvfb), median of N runs (10 by default):
# launch to the home page on screen, and the home page's start button to the
# main window on screen.
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

maintenant() { date +%s%N; }
# Waits until a window whose name matches $1 is on screen; prints its id.
attends() {
    local id
    until id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) && [ -n "$id" ]; do
        kill -0 "$pid" 2>/dev/null || { echo "the program ended before its window showed" >&2; exit 1; }
        sleep 0.002
    done
    echo "$id"
}
mediane() { sort -n | awk '{a[NR]=$1} END {printf "median %d ms (min %d, max %d, %d runs)", (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2), a[1], a[NR], NR}'; }

accueil=() principale=()
for ((k = 0; k < n; k++)); do
    debut=$(maintenant)
    "$programme" >/dev/null 2>&1 &
    pid=$!
    id=$(attends "page d'accueil")
    t1=$(maintenant)
    eval "$(xdotool getwindowgeometry --shell "$id")"
    xdotool mousemove $((X + 116)) $((Y + 348))
    t2=$(maintenant)
    xdotool click 1
    attends "^Vibralume$" >/dev/null
    t3=$(maintenant)
    accueil+=($(((t1 - debut) / 1000000)))
    principale+=($(((t3 - t2) / 1000000)))
    kill "$pid"; wait "$pid" 2>/dev/null || true
done
echo "launch to home page: $(printf '%s\n' "${accueil[@]}" | mediane)"
echo "start button to main window: $(printf '%s\n' "${principale[@]}" | mediane)"
