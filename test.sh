#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test without a display.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
kalvoran_setup xvfb xdotool desktop-file-utils appstream binutils-mingw-w64-x86-64

export QT_QPA_PLATFORM=offscreen
cmake --preset release >/dev/null
cmake --build --preset release
ctest --preset release
