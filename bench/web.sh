#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Startup time of the page Kalvoran-VERSION.html in headless chromium against a stand-in: the same
# page as the browser holds it once built, saved without its script (bench/web_paint.py).
# Usage: bench/web.sh [RUNS]   (20 by default; the two pages load interleaved in one browser)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
kalvoran_setup emscripten node-acorn chromium chromium-driver python3-selenium
runs=${1:-20}

cmake --preset web >/dev/null
cmake --build --preset web --target kalvoran_web >/dev/null
page=$(ls build/web/Kalvoran-*.html)
/usr/bin/python3 bench/web_paint.py "$page" "$runs"
