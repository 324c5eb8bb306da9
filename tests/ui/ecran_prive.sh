#!/bin/sh
# A private X server with a window manager, for the tests of where windows
# stand on a desktop: Xvfb at 1280 x 1024 on the first free display number
# from FIRST (default 90), and openbox on it, which frames every window with
# a title bar and borders as desktops do. Everything it needs lives in DIR,
# so it disturbs no other display and leaves nothing behind.
#
#   ecran_prive.sh start DIR [FIRST]   starts them; fails loudly (exit 1) if it cannot
#   ecran_prive.sh run DIR CMD [ARG]...  runs CMD on that display, with Qt's X11 platform
#   ecran_prive.sh stop DIR            stops them and removes DIR
set -u

usage() {
    echo "usage: $0 start DIR [FIRST] | run DIR CMD [ARG]... | stop DIR" >&2
    exit 2
}
[ $# -ge 2 ] || usage
action=$1
dir=$2
shift 2

# Only a process of ours: the pid file may be stale and the number reused.
arrete_pid() {
    fichier=$1
    nom=$2
    [ -f "$fichier" ] || return 0
    pid=$(cat "$fichier")
    if [ -n "$pid" ] && [ "$(cat "/proc/$pid/comm" 2>/dev/null)" = "$nom" ]; then
        kill "$pid" 2>/dev/null
        i=0
        while kill -0 "$pid" 2>/dev/null && [ $i -lt 50 ]; do
            sleep 0.1
            i=$((i + 1))
        done
        kill -9 "$pid" 2>/dev/null
    fi
}

arrete() {
    arrete_pid "$dir/openbox.pid" openbox
    arrete_pid "$dir/xvfb.pid" Xvfb
    rm -rf "$dir"
}

echoue() {
    echo "FAILED to start the private X server and window manager: $1" >&2
    for log in "$dir/xvfb.log" "$dir/openbox.log"; do
        [ -f "$log" ] && { echo "--- $log" >&2; cat "$log" >&2; }
    done
    arrete
    exit 1
}

case $action in
stop)
    arrete
    exit 0
    ;;
run)
    [ $# -ge 1 ] || usage
    [ -f "$dir/display" ] || {
        echo "FAILED: no private X server in $dir (its start failed or did not run)" >&2
        exit 1
    }
    DISPLAY=:$(cat "$dir/display") QT_QPA_PLATFORM=xcb exec "$@"
    ;;
start) ;;
*) usage ;;
esac

premier=${1:-90}
for outil in Xvfb openbox xdpyinfo xprop; do
    command -v $outil >/dev/null ||
        echoue "$outil not found (Debian packages xvfb, openbox, x11-utils)"
done

arrete # a server left by an interrupted run
mkdir -p "$dir/home" "$dir/config" || echoue "cannot create $dir"

# The first display number no other server holds; another one may take it
# between the look and the start, so a server that dies moves on to the next.
# Without -noreset the server starts afresh, refusing connections for a
# moment, when its first client (the check below) leaves.
n=$premier
demarre=
while [ $n -lt $((premier + 30)) ]; do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -noreset </dev/null >"$dir/xvfb.log" 2>&1 &
        echo $! >"$dir/xvfb.pid"
        i=0
        while [ $i -lt 100 ]; do
            if xdpyinfo -display ":$n" >/dev/null 2>&1; then
                demarre=1
                break
            fi
            kill -0 "$(cat "$dir/xvfb.pid")" 2>/dev/null || break
            sleep 0.1
            i=$((i + 1))
        done
        [ -n "$demarre" ] && break
        arrete_pid "$dir/xvfb.pid" Xvfb
    fi
    n=$((n + 1))
done
[ -n "$demarre" ] || echoue "no display from :$premier to :$((n - 1)) would start"
echo "$n" >"$dir/display"

HOME="$dir/home" XDG_CONFIG_HOME="$dir/config" DISPLAY=":$n" \
    openbox --sm-disable </dev/null >"$dir/openbox.log" 2>&1 &
echo $! >"$dir/openbox.pid"
# The window manager is ready once it announces itself on the root window.
i=0
until xprop -display ":$n" -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
    kill -0 "$(cat "$dir/openbox.pid")" 2>/dev/null || echoue "openbox exited"
    i=$((i + 1))
    [ $i -gt 100 ] && echoue "openbox did not announce itself on :$n"
    sleep 0.1
done
echo "private X server :$n with openbox ready"
