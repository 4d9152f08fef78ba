#!/usr/bin/env bash
# Installs what is missing, builds the calculator (Release) and starts it.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
kalvoran_setup

cmake --preset release >/dev/null
cmake --build --preset release --target kalvoran

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Kalvoran braucht eine grafische Sitzung: weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt." >&2
    exit 1
fi
exec build/release/kalvoran
