#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Release time: the winget manifests for one built installer, with its download address and its
# SHA-256, laid out as the winget-pkgs repository keeps them.
# Usage: packaging/winget/fill.sh Kalvoran-VERSION-win64-setup.exe URL OUT_DIR
set -euo pipefail
setup=$1 url=$2 out=$3
here=$(dirname "$0")
version=$(basename "$setup" | sed -n 's/^Kalvoran-\([0-9][0-9.]*\)-win64-setup\.exe$/\1/p')
[ -n "$version" ] || { echo "fill.sh: $setup is not named Kalvoran-VERSION-win64-setup.exe" >&2; exit 1; }
[[ $url =~ ^https://[A-Za-z0-9._~/%:@+-]+/"$(basename "$setup")"$ ]] ||
    { echo "fill.sh: the URL must be a plain https address ending in $(basename "$setup")" >&2; exit 1; }
sha256=$(sha256sum <"$setup" | cut -d' ' -f1 | tr a-f A-F)
target="$out/manifests/k/KalvoranEntwickler/Kalvoran/$version"
mkdir -p "$target"
for template in "$here"/*.yaml.in; do
    sed -e "s|@VERSION@|$version|g" -e "s|@URL@|$url|g" -e "s|@SHA256@|$sha256|g" "$template" \
        >"$target/$(basename "$template" .in)"
done
echo "$target"
