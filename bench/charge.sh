#!/usr/bin/env bash
# CPU and memory of the running program in a real X server (Xvfb): start it,
# press the home page's start button, open the microscopic model, let it run,
# then measure over 10 s the share of one core used and the resident memory.
#   bench/charge.sh [path/to/vibralume] [seconds]
set -euo pipefail
programme=${1:-build/bin/vibralume}
duree=${2:-10}
affichage=:${AFFICHAGE:-92}
Xvfb "$affichage" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$affichage
sleep 1
"$programme" >/dev/null 2>&1 &
pid=$!
trap 'kill $pid $xvfb 2>/dev/null' EXIT

# Click at (x, y) inside the window whose name matches $1.
clique() {
    local id
    id=$(xdotool search --sync --onlyvisible --name "$1" | head -n 1)
    eval "$(xdotool getwindowgeometry --shell "$id")"
    xdotool mousemove $((X + $2)) $((Y + $3)) click 1
}
clique "page d'accueil" 116 348   # "Démarrer la simulation"
sleep 1
clique "^Vibralume$" 500 60       # the model's placeholder
sleep 2

tics=$(getconf CLK_TCK)
cpu() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
avant=$(cpu)
debut=$(date +%s%N)
sleep "$duree"
apres=$(cpu)
fin=$(date +%s%N)
rss=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
awk -v c=$((apres - avant)) -v t=$tics -v ns=$((fin - debut)) -v rss="$rss" 'BEGIN {
    printf "CPU: %.1f %% of one core over %.1f s; resident memory: %.1f MiB\n",
        100 * c / t / (ns / 1e9), ns / 1e9, rss / 1024 }'
import -window root "${CAPTURE:-/tmp/charge.png}" 2>/dev/null || true
