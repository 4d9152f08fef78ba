#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds everything and runs every test without a display: first the
# whole suite built by Clang under AddressSanitizer and UndefinedBehaviorSanitizer, with the
# fuzz targets for a bounded time, then Kalvoran.exe cross-built with mingw-w64 and tested under
# Wine on an X server of its own, then the core and the page built by emscripten for the browser,
# the core run under node and the page in headless chromium, in firefox-esr and in WebKitGTK
# (these two on X servers of their own), then the Release build (GCC). The last lines count the
# tests of all four together; a test that did not run counts as skipped, and any skipped test
# fails the run as a failed one does.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
kalvoran_setup clang xvfb xdotool x11-utils imagemagick desktop-file-utils appstream appstream-compose \
    dpkg-dev lintian weston qt6-wayland openbox wmctrl \
    g++-mingw-w64-x86-64-posix wine64 fonts-wine fonts-urw-base35 fontconfig python3-pefile xclip nsis \
    locales-all emscripten node-acorn chromium chromium-driver python3-selenium \
    firefox-esr python3-websocket webkit2gtk-driver libwebkit2gtk-4.1-0
runtime=$(kalvoran_clang_runtime)
[ -z "$runtime" ] || kalvoran_setup "$runtime"

export QT_QPA_PLATFORM=offscreen
summary=() ran=0 passed=0 failed=0 skipped=0
for preset in sanitize windows web release; do
    echo "=== $preset ==="
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    junit=$PWD/build/$preset/junit.xml
    rm -f "$junit"
    ctest --preset "$preset" --output-junit "$junit" || true
    [ -f "$junit" ] || { echo "CTest wrote no report for $preset"; exit 1; }
    # CTest's report: status "run" passed, "fail" failed, anything else did not run.
    p=$(grep -c '<testcase .* status="run"' "$junit" || true)
    f=$(grep -c '<testcase .* status="fail"' "$junit" || true)
    n=$(grep -c '<testcase ' "$junit" || true)
    s=$((n - p - f))
    summary+=("$preset: $n tests, $p passed, $f failed, $s skipped")
    ran=$((ran + n)) passed=$((passed + p)) failed=$((failed + f)) skipped=$((skipped + s))
done
echo "=== all four presets ==="
printf '%s\n' "${summary[@]}"
echo "tests of all four presets: $ran"
echo "test.sh: $passed passed, $failed failed, $skipped skipped"
[ $failed -eq 0 ] && [ $skipped -eq 0 ] && [ $ran -gt 0 ]
