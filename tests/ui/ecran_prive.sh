#!/bin/sh
# A private X server with a window manager for the tests of where windows
# stand on a desktop: Xvfb at 1280 x 1024 on the first free display from
# FIRST (default 90), and openbox, which frames windows with a title bar as
# desktops do. All it needs lives in DIR.
#
#   ecran_prive.sh start DIR [FIRST]     starts them; fails loudly (exit 1) if it cannot
#   ecran_prive.sh run DIR CMD [ARG]...  runs CMD on that display, with Qt's X11 platform
#   ecran_prive.sh stop DIR              stops them and removes DIR
set -u
[ $# -ge 2 ] || { echo "usage: $0 start|run|stop DIR ..." >&2; exit 2; }
action=$1
dir=$2
shift 2

arrete() {
    for p in openbox Xvfb; do
        pid=$(cat "$dir/$p.pid" 2>/dev/null)
        # Only ours: the pid file may be stale and the number reused.
        [ -n "$pid" ] && [ "$(cat "/proc/$pid/comm" 2>/dev/null)" = $p ] && kill "$pid"
    done
    rm -rf "$dir"
}

echoue() {
    echo "FAILED to start the private X server and window manager: $1" >&2
    cat "$dir"/*.log >&2 2>/dev/null
    arrete
    exit 1
}

case $action in
stop) arrete; exit 0 ;;
run)
    [ -f "$dir/display" ] || { echo "FAILED: no private X server in $dir" >&2; exit 1; }
    DISPLAY=:$(cat "$dir/display") QT_QPA_PLATFORM=xcb exec "$@" ;;
start) ;;
*) echo "usage: $0 start|run|stop DIR ..." >&2; exit 2 ;;
esac

for outil in Xvfb openbox xdpyinfo xprop xwininfo; do
    command -v $outil >/dev/null || echoue "$outil not found (Debian: xvfb openbox x11-utils)"
done
arrete # what an interrupted run left
mkdir -p "$dir/home" || echoue "cannot create $dir"

# The first display no server holds; one that another takes meanwhile dies,
# and the next is tried. -noreset: the server would restart, refusing
# connections for a moment, when the first client (the check) leaves.
n=${1:-90}
while :; do
    [ "$n" -ge $((${1:-90} + 30)) ] && echoue "no free display from :${1:-90}"
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -noreset </dev/null >"$dir/xvfb.log" 2>&1 &
        echo $! >"$dir/Xvfb.pid"
        i=0
        while [ $i -lt 100 ] && kill -0 "$(cat "$dir/Xvfb.pid")" 2>/dev/null; do
            xdpyinfo -display ":$n" >/dev/null 2>&1 && break 2
            sleep 0.1
            i=$((i + 1))
        done
        kill "$(cat "$dir/Xvfb.pid")" 2>/dev/null
    fi
    n=$((n + 1))
done
echo "$n" >"$dir/display"

HOME="$dir/home" DISPLAY=":$n" openbox --sm-disable </dev/null >"$dir/openbox.log" 2>&1 &
echo $! >"$dir/openbox.pid"
# Ready once it announces itself on the root window.
i=0
until xprop -display ":$n" -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
    kill -0 "$(cat "$dir/openbox.pid")" 2>/dev/null || echoue "openbox exited"
    i=$((i + 1))
    [ $i -gt 100 ] && echoue "openbox did not announce itself on :$n"
    sleep 0.1
done
echo "private X server :$n with openbox ready"
