#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test without a display:
# first the Release build (GCC), then the whole suite again built by Clang under
# AddressSanitizer and UndefinedBehaviorSanitizer, with the fuzz targets for a bounded time.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
kalvoran_setup xvfb xdotool desktop-file-utils appstream binutils-mingw-w64-x86-64 \
    clang libclang-rt-14-dev dpkg-dev lintian

export QT_QPA_PLATFORM=offscreen
status=0
for preset in sanitize release; do
    echo "=== $preset ==="
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    ctest --preset "$preset" || status=1
done
exit $status
