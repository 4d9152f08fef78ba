# SPDX-License-Identifier: GPL-3.0-or-later
# A busy X server now and then refuses a new local connection ("resource temporarily
# unavailable"). A refused connection has sent nothing, so the command is simply run again;
# any other outcome stands as it is.
# Sourced by the scripts that talk to an X server: x_retry COMMAND [ARGS...]

x_retry() {
    local errors status attempt
    errors=$(mktemp)
    for attempt in $(seq 30); do
        "$@" 2>"$errors"
        status=$?
        if [ "$status" -ne 0 ] &&
            grep -qiE "can.t open display|cannot open display|unable to open display|could not connect to display|no X display|no driver could be loaded|Kalvoran braucht eine grafische Sitzung" "$errors"; then
            echo "x_retry: the X server refused the connection of $1; running it again" >&2
            sleep 0.1
            continue
        fi
        break
    done
    cat "$errors" >&2
    rm -f "$errors"
    return "$status"
}
