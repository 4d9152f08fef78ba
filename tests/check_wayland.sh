#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program on Wayland, under a headless compositor of its own (weston): the window maps with
# its caption, its size and the desktop entry's id as app id; maximize and fullscreen configures
# are survived (STATES_TEST, a test program run on the same compositor); and the program ends
# without a crash when the compositor goes away.
# Usage: check_wayland.sh KALVORAN STATES_TEST
set -u
bin=$1 states=$2
command -v weston >/dev/null ||
    { echo "FAIL: weston is missing: install the Debian package weston (./test.sh installs it)"; exit 1; }
ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1 ||
    { echo "FAIL: Qt's Wayland platform is missing: install the Debian package qt6-wayland (./test.sh installs it)"; exit 1; }
runtime=$(mktemp -d)
chmod 700 "$runtime"
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$runtime"' EXIT
failed=0
fail() { echo "FAIL: $*"; failed=1; }

export XDG_RUNTIME_DIR=$runtime
weston --backend=headless-backend.so --socket=kalvoran --idle-time=0 >"$runtime/weston.log" 2>&1 &
compositor=$!
for _ in $(seq 100); do
    [ -S "$runtime/kalvoran" ] && break
    sleep 0.1
done
[ -S "$runtime/kalvoran" ] || { cat "$runtime/weston.log"; fail "weston did not start"; exit 1; }

WAYLAND_DISPLAY=kalvoran QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1 "$bin" >"$runtime/client.log" 2>&1 &
program=$!
# Mapped: the toplevel's first buffer is attached and committed after the configure is acked.
for _ in $(seq 150); do
    grep -q 'ack_configure' "$runtime/client.log" && grep -q 'wl_surface@[0-9]*\.attach' "$runtime/client.log" &&
        break
    sleep 0.1
done
for request in 'set_app_id("de.kalvoran.Kalvoran")' 'set_title("Der Kalvoran")' \
    'set_min_size(468, 448)' 'ack_configure' '.attach('; do
    grep -qF -- "$request" "$runtime/client.log" || fail "the program did not ask: $request"
done
echo "peak memory on Wayland: $(grep VmHWM "/proc/$program/status" 2>/dev/null | tr -s ' \t' ' ')"

# Qt's Wayland plugin and the GL driver it loads keep allocations for the life of the process
# (libwayland-client, and a library already unloaded at exit); the sanitizer build's leak check
# is left to the tests that run the program's own code without them.
ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0" \
    WAYLAND_DISPLAY=kalvoran QT_QPA_PLATFORM=wayland "$states" >"$runtime/states.log" 2>&1 ||
    { cat "$runtime/states.log"; fail "maximize or fullscreen on Wayland"; }

kill "$compositor"
for _ in $(seq 100); do
    kill -0 "$program" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$program" 2>/dev/null; then
    fail "still running after the compositor went away"
else
    wait "$program"
    status=$?
    echo "ended with status $status when the compositor went away"
    [ $status -lt 128 ] || fail "ended by signal $((status - 128)) when the compositor went away"
fi

[ $failed -eq 0 ] && echo "Wayland checks passed"
exit $failed
