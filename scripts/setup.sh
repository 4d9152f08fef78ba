# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the build needs, when any is missing.
# Sourced by run.sh and test.sh: kalvoran_setup [extra packages...]

kalvoran_packages=(g++ cmake make qt6-base-dev qt6-svg-dev qt6-translations-l10n fonts-liberation2
    libfontconfig-dev)

# The compiler runtime (sanitizers) of the installed clang: libclang-rt-N-dev for clang N.
kalvoran_clang_runtime() {
    local major
    major=$(clang --version 2>/dev/null | sed -n 's/.*clang version \([0-9]*\).*/\1/p' | head -n1)
    [ -n "$major" ] && echo "libclang-rt-$major-dev"
}

# The given packages that are not installed, one a line.
kalvoran_missing() {
    local pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || echo "$pkg"
    done
}

# An index that fails to download (a mirror in the middle of a sync) fails `apt-get update`
# as a whole, while the packages wanted may well be in the indexes that came: so only a failed
# install stops the set-up, and it names what is still missing and apt's reason.
kalvoran_setup() {
    local missing
    mapfile -t missing < <(kalvoran_missing "${kalvoran_packages[@]}" "$@")
    [ ${#missing[@]} -eq 0 ] && return 0

    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null; then
            echo "Es fehlen Debian-Pakete: ${missing[*]}. Mit dem Passwort von root installieren:" >&2
            echo "su -c 'apt-get update; apt-get install -y --no-install-recommends ${missing[*]}'" >&2
            exit 1
        fi
        sudo=(sudo)
    fi
    echo "Installiere: ${missing[*]}"
    local log
    log=$(mktemp)
    if ! "${sudo[@]}" apt-get update -q >"$log" 2>&1; then
        echo "apt-get update ist nicht ganz gelungen ($(grep -m1 '^E:' "$log" || tail -n1 "$log"));" \
            "die Installation versucht es mit den Paketlisten, die da sind."
    fi
    local status=0
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends \
        "${missing[@]}" > >(tee "$log") 2>&1 || status=$?
    wait $! 2>/dev/null # tee has written everything
    if [ $status -ne 0 ]; then
        mapfile -t missing < <(kalvoran_missing "${missing[@]}")
        echo "Nicht installiert: ${missing[*]}. apt-get sagt:" >&2
        grep '^E:' "$log" >&2 || tail -n 5 "$log" >&2
        rm -f "$log"
        exit 1
    fi
    rm -f "$log"
}
