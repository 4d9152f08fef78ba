#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows tests' surroundings: an X server (Xvfb) and a Wine prefix inside the build folder,
# made once before the tests run in parallel, with Wine's MS Sans Serif and Tahoma (the message
# font beyond 96 dpi) in its Fonts folder.
# Usage: wine_session.sh start|stop BUILD_DIR
set -u
action=$1 build=$2
here=$(dirname "$0")
source "$here/wine_env.sh"
export WINEPREFIX="$build/wineprefix"

case $action in
start)
    source "$here/../../scripts/xvfb.sh"
    for tool in Xvfb:xvfb "$wine":wine64 "$wineserver":wine64; do
        [ -x "$(command -v "${tool%:*}")" ] ||
            { echo "FAIL: ${tool%:*} is missing: install the Debian package ${tool#*:} (./test.sh installs it)"; exit 1; }
    done
    "$0" stop "$build"
    start_xvfb 1920x1200x24 "$build/wine-display" || exit 1
    echo "$xvfb_pid" >"$build/wine-xvfb.pid"
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
