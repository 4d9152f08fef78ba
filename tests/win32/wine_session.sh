#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows tests' surroundings: an X server (Xvfb) and a Wine prefix inside the build folder,
# made once before the tests run in parallel, with Wine's MS Sans Serif and Tahoma (the message
# font beyond 96 dpi) in its Fonts folder.
# Usage: wine_session.sh start|stop BUILD_DIR
set -u
action=$1 build=$2
export WINEPREFIX="$build/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)

case $action in
start)
    for tool in Xvfb "$wine"; do
        command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (./test.sh installs it)"; exit 77; }
    done
    "$0" stop "$build"
    rm -f "$build/wine-display"
    setsid Xvfb -displayfd 3 -screen 0 1920x1200x24 -nolisten tcp 3>"$build/wine-display" \
        >/dev/null 2>&1 </dev/null &
    echo $! >"$build/wine-xvfb.pid"
    for _ in $(seq 100); do
        [ -s "$build/wine-display" ] && break
        sleep 0.1
    done
    [ -s "$build/wine-display" ] || { echo "Xvfb did not start"; exit 1; }
    export DISPLAY=":$(cat "$build/wine-display")"
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        "$wine" wineboot -i >/dev/null 2>&1
        "$wineserver" -w
    fi
    cp /usr/share/wine/fonts/*.fon /usr/share/wine/fonts/tahoma*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
    # One server for the whole run, so that parallel tests share it.
    "$wineserver" -p >/dev/null 2>&1 </dev/null
    echo "Wine prefix $WINEPREFIX on display $DISPLAY"
    ;;
stop)
    "$wineserver" -k 2>/dev/null
    if [ -f "$build/wine-xvfb.pid" ]; then
        kill "$(cat "$build/wine-xvfb.pid")" 2>/dev/null
        rm -f "$build/wine-xvfb.pid"
    fi
    rm -f "$build/wine-display"
    ;;
esac
exit 0
