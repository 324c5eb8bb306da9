#!/bin/sh
# A private PulseAudio daemon for the audio tests: one null sink, "vsink",
# 44100 Hz mono, whose monitor the tests record, its main thread at a
# real-time priority where allowed. Everything it needs lives in
# DIR (runtime folder, home, configuration, log), so it disturbs no other
# sound server and leaves nothing behind.
#
#   pulse_prive.sh start DIR    starts it; fails loudly (exit 1, log shown) if it cannot
#   pulse_prive.sh stop DIR     stops it and removes DIR; fails, showing its
#                               log, if it had died
#   pulse_prive.sh coupe DIR    kills it at once, as a crash would, and leaves
#                               DIR: start again brings the same socket back
set -u

if [ $# -ne 2 ] || { [ "$1" != start ] && [ "$1" != stop ] && [ "$1" != coupe ]; }; then
    echo "usage: $0 start|stop|coupe DIR" >&2
    exit 2
fi
action=$1
dir=$2
export XDG_RUNTIME_DIR="$dir/run"
export HOME="$dir/home"
export XDG_CONFIG_HOME="$dir/config"
unset PULSE_SERVER
log="$dir/pulseaudio.log"

# Our daemon's pid, if it runs: the pid file may be stale and the number reused.
demon() {
    pidfile="$XDG_RUNTIME_DIR/pulse/pid"
    [ -f "$pidfile" ] || return 1
    pid=$(cat "$pidfile")
    [ -n "$pid" ] && [ "$(cat "/proc/$pid/comm" 2>/dev/null)" = pulseaudio ]
}

arrete() {
    if demon; then
        kill "$1" "$pid" 2>/dev/null
        i=0
        while kill -0 "$pid" 2>/dev/null && [ $i -lt 50 ]; do
            sleep 0.1
            i=$((i + 1))
        done
        kill -9 "$pid" 2>/dev/null
    fi
    [ "$1" = -KILL ] || rm -rf "$dir"
}

echoue() {
    echo "FAILED to start the private PulseAudio daemon: $1" >&2
    [ -f "$log" ] && cat "$log" >&2
    arrete -TERM
    exit 1
}

if [ "$action" = stop ]; then
    # A server that died under the tests fails the stop, with its last words.
    if ! demon; then
        echo "the private PulseAudio daemon in $dir was no longer running" >&2
        [ -f "$log" ] && cat "$log" >&2
        arrete -TERM
        exit 1
    fi
    arrete -TERM
    exit 0
fi
if [ "$action" = coupe ]; then
    demon || { echo "no private PulseAudio daemon runs in $dir" >&2; exit 1; }
    arrete -KILL
    exit 0
fi

command -v pulseaudio >/dev/null || echoue "pulseaudio not found (Debian package pulseaudio)"
command -v pactl >/dev/null || echoue "pactl not found (Debian package pulseaudio-utils)"
command -v parec >/dev/null || echoue "parec not found (Debian package pulseaudio-utils)"

arrete -TERM # a daemon left by an interrupted run
mkdir -p "$XDG_RUNTIME_DIR" "$HOME" "$XDG_CONFIG_HOME" || echoue "cannot create $dir"
chmod 700 "$XDG_RUNTIME_DIR"

# As root the daemon warns that it is not meant to run as root but runs
# (user mode, not --system): good enough for a throw-away test server.
# Anonymous access on its private socket spares a shared cookie.
# It runs under a shell of its own session that writes down how it ended,
# so that a server that dies under the tests says whether it was killed.
: >"$log"
# The daemon caps its real-time threads at 200 ms of computing without a
# pause, past which the kernel kills it. Its main thread, raised below, was
# not made for that cap, which a slow machine may reach while a client
# connects; 2 s still catches a thread that runs away.
mkdir -p "$XDG_CONFIG_HOME/pulse"
export PULSE_CONFIG="$XDG_CONFIG_HOME/pulse/daemon.conf"
echo "rlimit-rttime = 2000000" >"$PULSE_CONFIG"
setsid sh -c 'pulseaudio "$@"; echo "pulseaudio ended with status $?"' pulseaudio \
    -n --daemonize=no --exit-idle-time=-1 --disallow-exit --use-pid-file=yes \
    --log-target=stderr --log-level=warning \
    --load="module-native-protocol-unix auth-anonymous=1" \
    --load="module-null-sink sink_name=vsink rate=44100 channels=1" \
    </dev/null >>"$log" 2>&1 &

i=0
until pactl info >/dev/null 2>&1; do
    i=$((i + 1))
    [ $i -gt 50 ] && echoue "no answer on $XDG_RUNTIME_DIR/pulse/native"
    sleep 0.1
done
pactl set-default-sink vsink || echoue "pactl set-default-sink vsink failed"
# Every client's samples pass through the daemon's main thread (socket and
# shared ring alike). Its mixing thread gets a real-time priority, as on a
# desktop; the main one stays at an ordinary priority and, on a loaded
# machine, falls late by more than any buffer short enough for prompt
# changes, so that the tests of the tone under load would hear the server's
# breaks. Where the user may (root, or a real-time allowance), it is raised
# like the mixing thread; tests/sound/tst_continuite_audio.cpp checks which.
chrt -r -p 5 "$(cat "$XDG_RUNTIME_DIR/pulse/pid")" 2>/dev/null || true
pactl list short sinks | grep -q vsink || echoue "the null sink vsink is missing"
echo "private PulseAudio ready on $XDG_RUNTIME_DIR/pulse/native"
