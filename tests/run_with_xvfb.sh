#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test program on a real X server of its own (Xvfb), for what only real X11 key events
# show. A missing Xvfb or xdotool is a failure that names its package.
set -u
scripts=$(dirname "$0")/../scripts
source "$scripts/check_common.sh"
source "$scripts/xvfb.sh"
source "$scripts/x_retry.sh"
need Xvfb xvfb
need xdotool xdotool
at_exit 'kill ${xvfb_pid:-} 2>/dev/null'
start_xvfb 1024x768x24 "$work/display" || exit 1
export QT_QPA_PLATFORM=xcb
x_retry "$@"
