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

kalvoran_setup() {
    local wanted=("${kalvoran_packages[@]}" "$@") missing=() pkg
    for pkg in "${wanted[@]}"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null; then
            echo "Es fehlen Pakete: ${missing[*]}. Als root installieren mit:" \
                "apt-get install ${missing[*]}" >&2
            exit 1
        fi
        sudo=(sudo)
    fi
    echo "Installiere: ${missing[*]}"
    # Packages of another architecture (wine32:i386) need that architecture added first.
    local arch
    for arch in $(printf '%s\n' "${missing[@]}" | sed -n 's/.*:\(.*\)/\1/p' | sort -u); do
        [ "$arch" = "$(dpkg --print-architecture)" ] ||
            dpkg --print-foreign-architectures | grep -qx "$arch" ||
            "${sudo[@]}" dpkg --add-architecture "$arch" || exit 1
    done
    "${sudo[@]}" apt-get update -q &&
        DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends \
            "${missing[@]}"
}
