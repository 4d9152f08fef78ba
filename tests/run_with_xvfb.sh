#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test program on a real X server of its own (Xvfb), for what only real X11 key events
# show. Exits 77 (CTest: skipped) when Xvfb or xdotool is missing.
set -u
for tool in Xvfb xdotool; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed (./test.sh installs it)"
        exit 77
    fi
done
displayfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$displayfile" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -f "$displayfile"' EXIT
for _ in $(seq 100); do
    [ -s "$displayfile" ] && break
    sleep 0.1
done
[ -s "$displayfile" ] || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=":$(head -n1 "$displayfile")" QT_QPA_PLATFORM=xcb
source "$(dirname "$0")/../scripts/x_retry.sh"
x_retry "$@"
