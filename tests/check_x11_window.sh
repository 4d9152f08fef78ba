#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program as an X11 desktop sees it: Qt's own command-line options change nothing, the
# window's class is the desktop entry's StartupWMClass, fullscreen and maximize from a window
# manager are turned back, and without a display the program says so in one German line and
# ends with status 1.
# Usage, on an X server of its own: run_with_xvfb.sh check_x11_window.sh KALVORAN SOURCE_DIR
set -u
bin=$1 src=$2
source "$src/scripts/x_retry.sh"
source "$src/scripts/check_common.sh"
need xprop x11-utils
need import imagemagick
need compare imagemagick
need openbox openbox
need wmctrl wmctrl
at_exit 'kill $(jobs -p) 2>/dev/null'

# Starts the program with the given arguments and waits for its window: sets PID and WID.
# A program whose connection the X server refused ends at once; it is started again.
show() {
    local attempt
    for attempt in 1 2 3 4 5; do
        "$bin" "$@" 2>>"$work/stderr" &
        PID=$!
        for _ in $(seq 150); do
            WID=$(xdotool search --onlyvisible --pid "$PID" 2>/dev/null | head -n1)
            [ -n "$WID" ] && { sleep 1; return 0; }
            kill -0 "$PID" 2>/dev/null || break
            sleep 0.1
        done
    done
    return 1
}

# Shows the window with the given arguments, writes its picture, notes its caption, closes it.
picture() {
    local out=$1
    shift
    show "$@" || { fail "no window for: $*"; return; }
    x_retry xdotool getwindowname "$WID" >"$out.title"
    x_retry import -window "$WID" "$out"
    kill "$PID"
    wait "$PID" 2>/dev/null
}

echo 'QWidget { background: red; color: yellow; }' >"$work/style.qss"
picture "$work/plain.png"
picture "$work/options.png" -qwindowtitle X -reverse -stylesheet "$work/style.qss" -style windows
[ "$(cat "$work/plain.png.title")" = "Der Kalvoran" ] || fail "caption $(cat "$work/plain.png.title")"
[ "$(cat "$work/options.png.title")" = "Der Kalvoran" ] ||
    fail "caption with -qwindowtitle: $(cat "$work/options.png.title")"
# The caret blinks in the first field: a few pixels may differ, a mirrored or restyled window
# differs in thousands.
differing=$(compare -metric AE "$work/plain.png" "$work/options.png" null: 2>&1)
awk '{ exit !($1 ~ /^[0-9.e+]+$/ && $1 + 0 <= 60) }' <<<"$differing" || fail "Qt's options changed the window: $differing pixels differ"

show || fail "no window"
class=$(x_retry xprop -id "$WID" WM_CLASS | sed -n 's/.*, "\(.*\)"$/\1/p')
wanted=$(sed -n 's/^StartupWMClass=//p' "$src/packaging/de.kalvoran.Kalvoran.desktop.in")
[ -n "$class" ] && [ "$class" = "$wanted" ] || fail "WM_CLASS class '$class', StartupWMClass '$wanted'"
kill "$PID"

# Under a window manager, a request for fullscreen or maximize is turned back: the window keeps
# its size and its title bar.
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
sleep 1
show || fail "no window under openbox"
for request in fullscreen maximized_vert,maximized_horz; do
    x_retry wmctrl -i -r "$WID" -b add,$request
    sleep 1
    state=$(x_retry xprop -id "$WID" _NET_WM_STATE)
    size=$(x_retry xdotool getwindowgeometry "$WID" | sed -n 's/ *Geometry: //p')
    [[ "$state" != *FULLSCREEN* && "$state" != *MAXIMIZED* && "$size" = 468x448 ]] ||
        fail "after $request: $state, $size"
done
kill "$PID" "$wm"
wait "$PID" "$wm" 2>/dev/null

out=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$bin" 2>&1)
status=$?
[ $status -eq 1 ] || fail "without a display: status $status"
[ "$(echo "$out" | wc -l)" -eq 1 ] && [[ "$out" == "Kalvoran braucht eine grafische Sitzung"* ]] ||
    fail "without a display: $out"

finish "X11 window"
