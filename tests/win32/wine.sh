#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a Windows program of the build under Wine, in the build's own prefix and on its X server
# (both made by wine_session.sh start). CTest's emulator for the cross-built tests. Only the
# message of a refused X connection is let through, so that x_retry sees it.
# Usage: wine.sh PROGRAM.exe [ARGS...]
set -u
build=${KALVORAN_WINE_BUILD:-$(cd "$(dirname "$1")" && pwd)}
while [ ! -f "$build/CMakeCache.txt" ] && [ "$build" != / ]; do build=$(dirname "$build"); done
source "$(dirname "$0")/wine_env.sh"
export WINEPREFIX="$build/wineprefix"
[ -s "$build/wine-display" ] && export DISPLAY=":$(cat "$build/wine-display")"
source "$(dirname "$0")/../../scripts/x_retry.sh"
x_retry "$wine" "$@"
