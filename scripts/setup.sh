# Installs the Debian/Ubuntu packages the build needs, when any is missing.
# Sourced by run.sh and test.sh: kalvoran_setup [extra packages...]

kalvoran_packages=(g++ cmake make qt6-base-dev qt6-translations-l10n fonts-liberation2)

kalvoran_setup() {
    local wanted=("${kalvoran_packages[@]}" "$@") missing=() pkg
    for pkg in "${wanted[@]}"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installiere: ${missing[*]}"
    "${sudo[@]}" apt-get update -q &&
        DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends \
            "${missing[@]}"
}
