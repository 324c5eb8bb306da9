#!/usr/bin/env bash
# CPU and memory of the running program in a real X server (Xvfb): start it,
# press the home page's start button, open the microscopic model, the
# oscilloscope and both sensors (the vibrator is open from the start), let it
# run, then measure over a few seconds the share of one core used and the
# resident memory.
#   bench/charge.sh [path/to/vibralume] [seconds] [--plein-ecran] [launches]
# With --plein-ecran the screen is 1920 x 1080 and the window goes full
# screen (F11) before the measure. The clicks are made at 100 %.
# On a virtual machine the share moves by a fifth from one launch to the
# next (where the program's memory lands): with a number of launches, each
# is measured on its own and the median is given last. The time on the CPU
# is the scheduler's own count for every thread, to the nanosecond.
set -euo pipefail
programme=${1:-build/bin/vibralume}
duree=${2:-10}
plein=${3:-}
lancements=${4:-1}
affichage=:${AFFICHAGE:-92}
ecran=1280x1024x24
[ "$plein" = --plein-ecran ] && ecran=1920x1080x24
mesure() {
    Xvfb "$affichage" -screen 0 "$ecran" -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    export DISPLAY=$affichage
    # Settings of a previous run must not change the zoom being measured.
    export XDG_CONFIG_HOME=$(mktemp -d)
    sleep 1
    "$programme" >/dev/null 2>&1 &
    pid=$!
    trap 'kill $pid $xvfb 2>/dev/null; rm -rf "$XDG_CONFIG_HOME"' RETURN

    # Click at (x, y) inside the window whose name matches $1.
    clique() {
        local id
        id=$(xdotool search --sync --onlyvisible --name "$1" | head -n 1)
        eval "$(xdotool getwindowgeometry --shell "$id")"
        xdotool mousemove $((X + $2)) $((Y + $3)) click 1
        sleep 0.5
    }
    clique "page d'accueil" 116 348   # "Démarrer la simulation"
    sleep 1
    clique "^Vibralume$" 500 60       # the model's placeholder
    clique "^Vibralume$" 473 477      # the oscilloscope's placeholder
    clique "^Vibralume$" 339 363      # sensor 1
    clique "^Vibralume$" 339 379      # sensor 2
    if [ "$plein" = --plein-ecran ]; then
        id=$(xdotool search --onlyvisible --name "^Vibralume$" | head -n 1)
        xdotool windowfocus --sync "$id" key F11
    fi
    sleep 2

    cpu() { cat /proc/"$pid"/task/*/schedstat | awk '{ s += $1 } END { print s }'; }
    avant=$(cpu)
    debut=$(date +%s%N)
    sleep "$duree"
    apres=$(cpu)
    fin=$(date +%s%N)
    rss=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
    awk -v c=$((apres - avant)) -v ns=$((fin - debut)) -v rss="$rss" 'BEGIN {
        printf "CPU: %.2f %% of one core over %.1f s; resident memory: %.1f MiB\n",
            100 * c / ns, ns / 1e9, rss / 1024 }'
    import -window root "${CAPTURE:-/tmp/charge.png}" 2>/dev/null || true
    kill $pid $xvfb 2>/dev/null
    wait $pid $xvfb 2>/dev/null || true
}

resultats=()
for ((k = 1; k <= lancements; ++k)); do
    ligne=$(mesure)
    echo "$ligne"
    resultats+=("$(awk '{ print $2 }' <<<"$ligne")")
done
if ((lancements > 1)); then
    printf '%s\n' "${resultats[@]}" | sort -g |
        awk '{ v[NR] = $1 } END { m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
              printf "median CPU over %d launches: %.2f %% of one core (lowest %.2f, highest %.2f)\n", NR, m, v[1], v[NR] }'
fi
