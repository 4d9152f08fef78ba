#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The portable zip: packed twice from one build it is the same bytes, it holds Kalvoran.exe,
# LICENSE and LIESMICH.txt, and the exe unpacked from it starts and shows its window.
# Usage: check_zip.sh BUILD_DIR probe.exe
set -u
build=$1 probe=$2
here=$(dirname "$0")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() { echo "FAIL: $*"; failed=1; }

for run in out again; do
    cpack --config "$build/CPackConfig.cmake" -B "$work/$run" >"$work/cpack.log" 2>&1 ||
        { cat "$work/cpack.log"; fail "cpack"; exit 1; }
done
zip=$work/out/Kalvoran-1.1.9-win64.zip
[ -f "$zip" ] || { fail "no Kalvoran-1.1.9-win64.zip"; exit 1; }
cmp -s "$zip" "$work/again/Kalvoran-1.1.9-win64.zip" || fail "two packings of one build differ"

mkdir "$work/unpacked"
(cd "$work/unpacked" && cmake -E tar xf "$zip")
[ "$(cd "$work/unpacked" && find . -type f | sort | tr '\n' ' ')" = "./Kalvoran.exe ./LICENSE ./LIESMICH.txt " ] ||
    fail "contents: $(cd "$work/unpacked" && find . | tr '\n' ' ')"
grep -q "GNU GENERAL PUBLIC LICENSE" "$work/unpacked/LICENSE" || fail "LICENSE is not the GPL"
grep -q "keine Installation" "$work/unpacked/LIESMICH.txt" || fail "LIESMICH.txt"

export DISPLAY=":$(cat "$build/wine-display")"
KALVORAN_WINE_BUILD=$build bash "$here/wine.sh" "$work/unpacked/Kalvoran.exe" >/dev/null 2>&1 &
program=$!
source "$here/../../scripts/x_retry.sh"
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Der Kalvoran$' 2>/dev/null | head -n1)
[ -n "$window" ] || fail "the unpacked exe shows no window"
bash "$here/wine.sh" "$probe" close
wait $program

[ $failed -eq 0 ] && echo "zip checks passed"
exit $failed
