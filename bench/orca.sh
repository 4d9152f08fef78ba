#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What Orca, Debian's screen reader, says while a user works the page by keyboard: 12 typed into
# Text1, then Tab to Text2 (1,85), Text3 (2) and Text5 (30), "Berechnen" clicked twice (the same
# result both times), Tab to "Hilfe", Enter to open its box and Enter on OK. An X server, a D-Bus
# session with the accessibility bus, Orca and the browser, all of this script's own, and Orca's
# debug log reduced to what it would speak, beside the steps.
#
# Usage: bench/orca.sh chromium|firefox PAGE [LOG]
#        bench/orca.sh qt PROGRAM [LOG]     (the Qt window: presets clicked, Berechnen, then the
#                                            fields Text5 and Text4 reached by Tab and Shift+Tab)
# Prints the spoken lines; LOG, when given, keeps Orca's whole debug log. KALVORAN_ORCA_WAIT sets
# the seconds waited after each step (1 by default).
#
# Everything started here runs in its own temporary HOME and XDG_RUNTIME_DIR and is ended by its
# process id, so a screen reader or browser of the user's own is never touched.
set -u
if [ "${1:-}" = --inside ]; then
    inside=1
    shift
else
    inside=0
fi
kind=${1:?"Usage: $0 chromium|firefox|qt PAGE-OR-PROGRAM [LOG]"}
target=$(realpath "${2:?"Usage: $0 chromium|firefox|qt PAGE-OR-PROGRAM [LOG]"}")
keep=${3:-}
step=${KALVORAN_ORCA_WAIT:-1}
here=$(dirname "$(realpath "$0")")

# The part that runs inside the D-Bus session.
if [ $inside -eq 1 ]; then
    source "$here/../scripts/x_retry.sh"
    pids=()
    end_all() {
        local i
        for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null; done
        local left
        for _ in $(seq 50); do
            left=0
            for i in "${pids[@]}"; do kill -0 "$i" 2>/dev/null && left=1; done
            [ $left -eq 0 ] && break
            sleep 0.1
        done
        for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill -9 "${pids[i]}" 2>/dev/null; done
        wait 2>/dev/null
    }
    trap end_all EXIT
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    pids+=($!)
    sleep 1
    openbox >/dev/null 2>&1 &
    pids+=($!)
    log=$KALVORAN_ORCA_LOG
    # Debian's orca refuses to start beside another Orca of the same user, and another user's
    # Orca refuses to start beside this one: so this one is started under the name python3 and
    # without that check, which holds for one session only. Speech stays on, for Orca presents
    # messages and live regions only then, but goes to the log alone: no speech-dispatcher is
    # spawned behind the script's back.
    /usr/bin/python3 - -u "$HOME/orca" --debug --debug-file "$log" -d braille -d main-window \
        -d splash-window >/dev/null 2>&1 <<'EOF' &
import sys
sys.argv[0] = "/usr/bin/orca"
launcher = {"__name__": "orca_launcher", "__file__": "/usr/bin/orca"}
with open("/usr/bin/orca") as source:
    exec(compile(source.read(), "/usr/bin/orca", "exec"), launcher)
launcher["otherOrcas"] = lambda: []
launcher["setProcessName"] = lambda name: None
import orca.speech
orca.speech._initSpeechServer = lambda name, info: None
sys.exit(launcher["main"]())
EOF
    pids+=($!)
    for _ in $(seq 100); do
        grep -q "ATSPI registry initialized" "$log" 2>/dev/null && break
        sleep 0.2
    done
    sleep 2

    key() { x_retry xdotool key --delay 120 "$@"; sleep "$step"; }
    type_text() { x_retry xdotool type --delay 120 "$1"; sleep "$step"; }
    # Through AT-SPI: "point NAME", the centre on the screen of the first showing control named
    # NAME; "focused", the name of the control with the focus.
    atspi() {
        /usr/bin/python3 - "$@" <<'EOF'
import sys, pyatspi
def wanted(node):
    state = node.getState()
    if sys.argv[1] == "focused":
        return state.contains(pyatspi.STATE_FOCUSED)
    return node.name == sys.argv[2] and state.contains(pyatspi.STATE_SHOWING)
def walk(node, depth=0):
    if node is None or depth > 40:
        return None
    try:
        if wanted(node):
            return node
    except Exception:
        pass
    for i in range(node.childCount):
        try:
            found = walk(node.getChildAtIndex(i), depth + 1)
        except Exception:
            found = None
        if found:
            return found
    return None
found = walk(pyatspi.Registry.getDesktop(0))
if found and sys.argv[1] == "focused":
    print(found.name)
elif found:
    e = found.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    if e.width > 0:
        print(e.x + e.width // 2, e.y + e.height // 2)
EOF
    }
    point() { atspi point "$1"; }
    # Tab until the control named NAME has the focus, at most 12 times.
    tab_to() {
        local _
        for _ in $(seq 12); do
            x_retry xdotool key Tab
            sleep 0.4
            [ "$(atspi focused)" = "$1" ] && { sleep "$step"; return 0; }
        done
        echo "orca.sh: Tab did not reach \"$1\"" >&2
        return 1
    }
    click() {
        local where
        where=$(point "$1")
        [ -n "$where" ] || { echo "orca.sh: no control \"$1\" on the screen" >&2; return 1; }
        # shellcheck disable=SC2086
        x_retry xdotool mousemove $where click 1
        sleep "$step"
    }
    # Orca's log lines start with the time of day; the steps are written beside them.
    mark() { echo "$(date +%H:%M:%S.%6N) - STEP: $1" >>"$KALVORAN_ORCA_STEPS"; }

    profile=$HOME/browser
    case $kind in
    chromium)
        chromium --no-sandbox --disable-gpu --no-first-run --disable-background-networking \
            --disable-component-update --force-renderer-accessibility \
            --user-data-dir="$profile" --window-size=900,700 "file://$target" >/dev/null 2>&1 &
        ;;
    firefox)
        mkdir -p "$profile"
        # No first-run pages, no update or telemetry; accessibility for the screen reader.
        cat >"$profile/user.js" <<'EOF'
user_pref("browser.shell.checkDefaultBrowser", false);
user_pref("browser.startup.homepage_override.mstone", "ignore");
user_pref("datareporting.policy.dataSubmissionEnabled", false);
user_pref("toolkit.telemetry.reportingpolicy.firstRun", false);
user_pref("app.update.enabled", false);
user_pref("browser.aboutwelcome.enabled", false);
user_pref("accessibility.force_disabled", 0);
EOF
        firefox-esr --no-remote --new-instance --profile "$profile" "file://$target" \
            >/dev/null 2>&1 &
        ;;
    qt)
        QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$target" >/dev/null 2>&1 &
        ;;
    esac
    pids+=($!)
    for _ in $(seq 60); do
        [ -n "$(point 'Quellenspannung in Volt' 2>/dev/null)" ] && break
        sleep 1
    done
    sleep 3

    if [ "$kind" = qt ]; then
        mark "presets"
        for option in "12 Volt" "LED rot" "zwei"; do click "$option"; done
        mark "Berechnen"
        click Berechnen
        sleep 2
        mark "Tab to Text5"
        key Tab Tab Tab Tab
        mark "Shift+Tab to Text4"
        key shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab
    else
        mark "Text1"
        click "Quellenspannung in Volt"
        type_text 12
        mark "Tab to Text2, 1,85"
        tab_to "Verbrauchsspannung pro Verbraucher in Volt"
        type_text 1,85
        mark "Tab to Text3, 2"
        tab_to "Anzahl der Verbraucher"
        type_text 2
        mark "Tab to Text5, 30"
        tab_to "Strom in Milliampere"
        type_text 30
        mark "click on Berechnen"
        click Berechnen
        sleep 3
        mark "click on Berechnen again: the same result"
        click Berechnen
        sleep 3
        mark "Tab to Hilfe"
        tab_to Hilfe
        mark "Enter on Hilfe"
        key Return
        sleep 3
        mark "Enter on OK"
        key Return
        sleep 2
    fi
    mark "end"
    exit 0
fi

# The X server and the session around the part above.
source "$here/../scripts/check_common.sh"
source "$here/../scripts/xvfb.sh"
need Xvfb xvfb
need xdotool xdotool
need orca orca
need openbox openbox
need dbus-run-session dbus-daemon
[ -x /usr/libexec/at-spi-bus-launcher ] || { echo "FAIL: install at-spi2-core"; exit 1; }
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "FAIL: install python3-pyatspi"; exit 1; }
case $kind in
chromium) need chromium chromium ;;
firefox) need firefox-esr firefox-esr ;;
qt) ;;
*) echo "Usage: $0 chromium|firefox|qt PAGE-OR-PROGRAM [LOG]"; exit 2 ;;
esac

at_exit 'kill ${xvfb_pid:-} 2>/dev/null'
start_xvfb 1280x1024x24 "$work/display" || exit 1
mkdir -p "$work/home" "$work/run"
chmod 700 "$work/run"
export HOME=$work/home XDG_RUNTIME_DIR=$work/run XDG_CONFIG_HOME=$work/home/.config
export XDG_CACHE_HOME=$work/home/.cache XDG_DATA_HOME=$work/home/.local/share
export LANG=de_DE.UTF-8 LANGUAGE=de LC_ALL=de_DE.UTF-8
export GTK_MODULES=gail:atk-bridge GNOME_ACCESSIBILITY=1 ACCESSIBILITY_ENABLED=1
export QT_ACCESSIBILITY=1 NO_AT_BRIDGE=0
export KALVORAN_ORCA_LOG=$work/orca.log KALVORAN_ORCA_STEPS=$work/steps
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS
dbus-run-session -- "$0" --inside "$kind" "$target" >"$work/session.out" 2>&1 &
session=$!
at_exit "kill $session 2>/dev/null"
wait "$session"
grep -h -E "^[0-9:.]+ - (STEP|SPEECH OUTPUT):" "$KALVORAN_ORCA_LOG" "$KALVORAN_ORCA_STEPS" |
    sort -s -k1,1 | sed -e "s/ - SPEECH OUTPUT: /     /" -e "s/ voice=[a-z]*//" -e 's/ *{.*$//'
[ -n "$keep" ] && cp "$KALVORAN_ORCA_LOG" "$keep"
grep "^orca.sh:" "$work/session.out" >&2
exit 0
