#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the calculator (Release) and starts it.
set -euo pipefail
cd "$(dirname "$0")"

# Without a graphical session there is nothing to start: say so before a minute of building.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "Kalvoran braucht eine grafische Sitzung: weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt." >&2
    exit 1
fi

source scripts/setup.sh
kalvoran_setup

cmake --preset release >/dev/null
cmake --build --preset release --target kalvoran
exec build/release/kalvoran
