# SPDX-License-Identifier: GPL-3.0-or-later
# What a check in a Wine prefix of its own starts with: the check helpers (check_common.sh),
# x_retry and Wine (wine_env.sh). fresh_prefix BUILD_DIR makes the prefix, empty as Wine makes
# it, in the check's folder and on the build's X server; its wineserver is ended at exit.
# Sourced: source tests/win32/fresh_prefix.sh
here=$(dirname "${BASH_SOURCE[0]}")
source "$here/../../scripts/check_common.sh"
source "$here/../../scripts/x_retry.sh"
source "$here/wine_env.sh"

fresh_prefix() {
    export WINEPREFIX=$work/prefix
    export DISPLAY=":$(cat "$1/wine-display")"
    at_exit '"$wineserver" -k 2>/dev/null'
    x_retry "$wine" wineboot -i >/dev/null
    "$wineserver" -w
}
