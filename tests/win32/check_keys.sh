#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Real keys typed through X into Kalvoran.exe under Wine, beyond the window's cases
# (check_cases.py): modifier combinations and keypad keys are swallowed, the fields' own commands
# (Ctrl+A, C, V, X, Z, Shift+Insert, and Ctrl+Insert in the result field too) work, a paste goes
# in whole (its line breaks as blanks by Shift+Insert, whatever limit another program set) or is
# refused whole.
# Usage: check_keys.sh Kalvoran.exe probe.exe
set -u
exe=$1 probe=$2
here=$(dirname "$0")
build=$(cd "$(dirname "$exe")" && pwd)
export DISPLAY=":$(cat "$build/wine-display")"
source "$here/../../scripts/check_common.sh"
source "$here/../../scripts/x_retry.sh"
need xdotool xdotool
need xclip xclip

bash "$here/wine.sh" "$exe" >/dev/null 2>&1 &
program=$!
# Closed as by its close box; nothing of the program or the clipboard owner outlives the test.
clipboard=
at_exit 'bash "$here/wine.sh" "$probe" close; wait $program'
at_exit '[ -z "$clipboard" ] || kill $clipboard 2>/dev/null'
window=$(x_retry xdotool search --sync --onlyvisible --name '^Der Kalvoran$' | head -n1)
[ -n "$window" ] || { fail "no window"; exit 1; }
x_retry xdotool windowfocus --sync "$window"
sleep 0.5

shows() { bash "$here/wine.sh" "$probe" | tr -d '\r'; }
# Clicks into the field whose top-left corner is at x,y pixels in the window.
field() { x_retry xdotool mousemove --window "$window" $(($1 + 40)) $(($2 + 15)) click 1; sleep 0.2; }
expect() { # expect WHAT LINE: the probe shows LINE
    if ! shows | grep -qxF -- "$2"; then
        fail "$1: want ${2:0:60}, the window shows:"; shows | cut -c1-60
    fi
}
keys() { x_retry xdotool key --delay 30 "$@"; }
# paste TEXT [KEYS]: TEXT on the clipboard, pasted by KEYS (Ctrl+V). The clipboard's owner is an
# xclip in the foreground, ended by its process id; it ends by itself when the next one takes the
# clipboard over.
paste() {
    [ -z "$clipboard" ] || kill $clipboard 2>/dev/null
    printf '%s' "$1" >"$work/clip"
    xclip -quiet -selection clipboard -i "$work/clip" >/dev/null 2>&1 &
    clipboard=$!
    sleep 0.3
    keys "${2:-ctrl+v}"
}

# Text1 has the focus at start.
x_retry xdotool type --delay 30 '12,5E ä+'
keys ctrl+minus ctrl+period ctrl+shift+e shift+KP_Add KP_Subtract KP_Decimal ctrl+KP_Multiply \
    alt+KP_Divide super+e
expect "typed junk and modifiers swallowed" "Text1=12,5"

field 24 96 # Text2
paste "-1.5 V"

# The field's own commands: Ctrl+A selects all, Ctrl+C copies, Ctrl+X cuts, Ctrl+Z undoes.
keys ctrl+a ctrl+c
field 24 304 # Text3
keys ctrl+v
expect "Ctrl+A and Ctrl+C copy the whole field" "Text3=-1.5 V"
field 24 96
keys ctrl+a ctrl+x
expect "Ctrl+X cuts" "Text2="
keys ctrl+z
expect "Ctrl+Z undoes the cut" "Text2=-1.5 V"

digits=$(head -c 20000 /dev/zero | tr '\0' '7')
field 24 240 # Text5
paste "$digits"
expect "a 20,000-digit paste kept whole" "Text5=$digits"

# A million characters are more than a field holds: refused at once with a message, the field
# kept; the window answers the next click.
head -c 1000000 /dev/zero | tr '\0' '8' >"$work/million"
paste "$(cat "$work/million")"
sleep 0.7
expect "a 1,000,000-character paste refused within a second" "box=Einfügen nicht möglich"
keys Return
sleep 0.5
expect "the field kept its text" "Text5=$digits"
keys shift+Insert
sleep 0.7
expect "Shift+Insert refused as Ctrl+V is" "box=Einfügen nicht möglich"
keys Return
sleep 0.5
expect "the field kept its text after Shift+Insert" "Text5=$digits"
x_retry xdotool mousemove --window "$window" 198 56 click 1 # the circle of "12 Volt"
sleep 0.5
expect "the next click is handled" "Text1=12"

# A paste's line breaks go in as blanks, every line kept.
field 24 304 # Text3
keys ctrl+a
paste "3
4" shift+Insert
expect "a paste of two lines by Shift+Insert" "Text3=3 4"

# A limit that another program sets on a field cuts no paste.
bash "$here/wine.sh" "$probe" send 101 0xC5 5 0 # EM_SETLIMITTEXT 5 to Text1
field 24 32 # Text1
keys ctrl+a
paste "${digits:0:100}"
expect "a 100-digit paste after a limit of 5 set from outside" "Text1=${digits:0:100}"

# The result field: Ctrl+Insert copies from it; Shift+Delete and Shift+Insert change nothing.
click() { x_retry xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.3; }
click 198 56  # 12 Volt
click 214 120 # LED rot
click 142 328 # zwei
field 24 240  # Text5
keys ctrl+a 2 0
click 280 368 # Berechnen
result=$(shows | sed -n 's/^Text4=//p')
[ -n "$result" ] || fail "no result to copy"
field 24 352 # Text4
keys ctrl+a ctrl+Insert shift+Delete shift+Insert
field 24 304 # Text3
keys ctrl+a ctrl+v
expect "Ctrl+Insert copies from the result field" "Text3=$result"
expect "Shift+Delete and Shift+Insert leave the result field" "Text4=$result"

finish keys
