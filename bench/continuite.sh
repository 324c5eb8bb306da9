#!/usr/bin/env bash
# Breaks in the tone per minute (quiet, cores loaded by other programs, the
# user-interface thread held) and the delays from a new tone, a new gain and a
# stop to what is heard, on a private PulseAudio null sink started here.
#   bench/continuite.sh [seconds per measure] [niceness of the load] [repetitions] [busy loops]
# Run from the source folder after a build with -DVIBRALUME_BENCH=ON;
# PROGRAMME names another build of bench_continuite.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
programme=${PROGRAMME:-$racine/build/bin/bench_continuite}
# The server's socket path must stay short.
dossier=$(mktemp -d /tmp/vibralume-continuite.XXXXXX)
trap 'sh "$racine/tests/sound/pulse_prive.sh" stop "$dossier/p" >/dev/null; rm -rf "$dossier"' EXIT
sh "$racine/tests/sound/pulse_prive.sh" start "$dossier/p" >/dev/null
export XDG_RUNTIME_DIR=$dossier/p/run XDG_CONFIG_HOME=$dossier/p/config
export PULSE_SERVER=unix:$dossier/p/run/pulse/native QT_QPA_PLATFORM=offscreen
echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
"$programme" "$@"
