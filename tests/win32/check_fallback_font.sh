#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The window where the system lacks MS Sans Serif: tst_window, at 96 dpi, in a fresh Wine prefix
# of its own into which no font is copied, so without Wine's .fon files (and without Tahoma).
# There Liberation Sans, Wine's stand-in for the message font, draws wider than it measures, and
# the window takes Nimbus Sans of fonts-urw-base35 instead.
# Usage: check_fallback_font.sh BUILD_DIR tst_window.exe
set -u
build=$1 test=$2
source "$(dirname "$0")/fresh_prefix.sh"
need fc-list fontconfig
[ -n "$(fc-list 'Nimbus Sans' family)" ] ||
    { echo "FAIL: the font Nimbus Sans is missing: install the Debian package fonts-urw-base35 (./test.sh installs it)"; exit 1; }

fresh_prefix "$build"
ls "$WINEPREFIX/drive_c/windows/Fonts/"*.fon >/dev/null 2>&1 && fail "the new prefix holds .fon files"
x_retry "$wine" "$test" fallback || fail "the window without MS Sans Serif"
finish "Fallback font"
