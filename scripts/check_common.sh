# SPDX-License-Identifier: GPL-3.0-or-later
# What every check script starts with: a temporary folder of its own ($work), removed at exit
# together with whatever the script asked to be ended there (at_exit), fail() that notes a
# failure and goes on, need() that stops at once when a tool is missing and names the Debian
# package that brings it, and finish() that prints the verdict and exits with it.
# Sourced: source scripts/check_common.sh

work=$(mktemp -d)
failed=0
exit_steps=()

# at_exit COMMAND: run at exit, the last one asked for first. Ends only what the script started,
# by process id.
at_exit() { exit_steps=("$1" "${exit_steps[@]}"); }
run_exit_steps() {
    local step
    for step in "${exit_steps[@]}"; do eval "$step"; done
    rm -rf "$work"
}
trap run_exit_steps EXIT

fail() { echo "FAIL: $*"; failed=1; }

# need TOOL PACKAGE: without TOOL the check cannot run, and that is a failure, not a skip.
need() {
    command -v "$1" >/dev/null && return 0
    echo "FAIL: $1 is missing: install the Debian package $2 (./test.sh installs it)"
    exit 1
}

# finish WHAT: "WHAT checks passed", or nothing more than the failures already printed.
finish() {
    [ $failed -eq 0 ] && echo "$1 checks passed"
    exit $failed
}
