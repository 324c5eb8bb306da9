#!/usr/bin/env bash
# The player when the sound server fails: the delay from a killed server's
# return to the tone heard again, and the user-interface thread's longest
# stall while a server that never answers is tried; on a private PulseAudio
# null sink started here.
#   bench/serveur.sh [repetitions] [seconds away] [seconds on the mute server]
# Run from the source folder after a build with -DVIBRALUME_BENCH=ON;
# PROGRAMME names another build of bench_serveur.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
programme=${PROGRAMME:-$racine/build/bin/bench_serveur}
script=$racine/tests/sound/pulse_prive.sh
# The server's socket path must stay short.
dossier=$(mktemp -d /tmp/vibralume-serveur.XXXXXX)
trap 'sh "$script" stop "$dossier/p" >/dev/null; rm -rf "$dossier"' EXIT
sh "$script" start "$dossier/p" >/dev/null
export XDG_RUNTIME_DIR=$dossier/p/run XDG_CONFIG_HOME=$dossier/p/config
export PULSE_SERVER=unix:$dossier/p/run/pulse/native QT_QPA_PLATFORM=offscreen
export VIBRALUME_PULSE_SCRIPT=$script VIBRALUME_PULSE_DOSSIER=$dossier/p
echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
"$programme" "$@"
