#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds everything and runs every test without a display: first the
# whole suite built by Clang under AddressSanitizer and UndefinedBehaviorSanitizer, with the
# fuzz targets for a bounded time, then Kalvoran.exe cross-built with mingw-w64 and tested under
# Wine on an X server of its own, then the Release build (GCC), whose summary comes last.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
kalvoran_setup clang xvfb xdotool x11-utils imagemagick desktop-file-utils appstream appstream-compose \
    dpkg-dev lintian weston qt6-wayland openbox wmctrl \
    g++-mingw-w64-x86-64-posix wine64 wine32:i386 fonts-wine python3-pefile xclip nsis
runtime=$(kalvoran_clang_runtime)
[ -z "$runtime" ] || kalvoran_setup "$runtime"

export QT_QPA_PLATFORM=offscreen
status=0
for preset in sanitize windows release; do
    echo "=== $preset ==="
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    ctest --preset "$preset" || status=1
done
exit $status
