# SPDX-License-Identifier: GPL-3.0-or-later
# An X server of a script's own (Xvfb).
# Sourced: source scripts/xvfb.sh; then start_xvfb SCREEN DISPLAY_FILE

# start_xvfb SCREEN DISPLAY_FILE: starts Xvfb with one screen of SCREEN (WxHxDEPTH) in a session
# of its own, so that nothing waits on it; its display number goes into DISPLAY_FILE. Exports
# DISPLAY and sets xvfb_pid, the process to end; fails when no display came up within 10 s.
start_xvfb() {
    local file=$2
    : >"$file"
    setsid Xvfb -displayfd 3 -screen 0 "$1" -nolisten tcp 3>"$file" >/dev/null 2>&1 </dev/null &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -s "$file" ] && break
        sleep 0.1
    done
    [ -s "$file" ] || { echo "Xvfb did not start"; return 1; }
    export DISPLAY=":$(head -n1 "$file")"
}
