#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program's record outside the window: desktop entry, AppStream metadata, the Windows
# program file's icon, and what `cmake --install` puts where.
# Usage: check_packaging.sh SOURCE_DIR BUILD_DIR
set -uo pipefail
src=$1 build=$2
source "$src/scripts/check_common.sh"
need desktop-file-validate desktop-file-utils
need appstreamcli appstream
[ -x /usr/libexec/appstreamcli-compose ] ||
    { echo "FAIL: appstreamcli compose is missing: install the Debian package appstream-compose (./test.sh installs it)"; exit 1; }

desktop-file-validate "$build/de.kalvoran.Kalvoran.desktop" || fail "desktop entry"
grep -qx 'Comment=Programm zur Errechnung des el. Widerstands' "$build/de.kalvoran.Kalvoran.desktop" ||
    fail "desktop entry comment"
appstreamcli validate --no-net "$build/de.kalvoran.Kalvoran.metainfo.xml" || fail "AppStream metadata"
grep -q '<release version="1.1.9"' "$build/de.kalvoran.Kalvoran.metainfo.xml" || fail "release 1.1.9"

# The program file's icon and the page's are committed for the Windows and the browser's builds,
# which have no Qt to make them; they are still the XPM's, byte for byte. (The Windows build's own
# tests read its version record back.)
cmp -s "$build/kalvoran.ico" "$src/packaging/kalvoran.ico" || fail "packaging/kalvoran.ico is not what make_icons makes"
cmp -s "$build/kalvoran.png" "$src/packaging/kalvoran.png" || fail "packaging/kalvoran.png is not what make_icons makes"
for size in 192 512; do
    cmp -s "$build/hicolor/${size}x$size/kalvoran.png" "$src/packaging/kalvoran-$size.png" ||
        fail "packaging/kalvoran-$size.png is not what make_icons makes"
done

# Only a folder named after a toolkit includes it.
toolkit=$(cd "$src" && git ls-files core host ui 2>/dev/null | grep -Ev '/(qt|win32)/' |
    xargs -r grep -lE '#include <(Q[A-Za-z]*|windows\.h|commctrl\.h)>')
[ -z "$toolkit" ] || fail "a toolkit header outside the toolkit folders: $toolkit"

cmake --install "$build" --prefix "$work/root/usr" >/dev/null || fail "cmake --install"
for f in bin/kalvoran share/applications/de.kalvoran.Kalvoran.desktop share/metainfo/de.kalvoran.Kalvoran.metainfo.xml \
    share/icons/hicolor/{16x16,24x24,32x32,48x48,64x64,128x128,256x256}/apps/kalvoran.png \
    share/icons/hicolor/scalable/apps/kalvoran.svg share/pixmaps/kalvoran.xpm; do
    [ -s "$work/root/usr/$f" ] || fail "not installed: $f"
done

# Licence: the full text beside the sources, a licence line in every source and script file.
cmp -s "$src/LICENSE" /usr/share/common-licenses/GPL-3 || fail "LICENSE is not the GPL 3 text"
unlicensed=$(cd "$src" && git ls-files 2>/dev/null | grep -Ev '^(LICENSE|REUSE.toml|README.md|CMakePresets.json|packaging/(changelog.in|copyright.in|kalvoran.ico|kalvoran(-[0-9]+)?.png)|packaging/site/manifest.webmanifest.in|tests/transcript.txt|fuzz/corpus/)' |
    xargs -r grep -L 'SPDX-License-Identifier: GPL-3.0-or-later')
[ -z "$unlicensed" ] || fail "no licence line in: $unlicensed"
grep -rqi 'Alle Rechte vorbehalten' "$src/packaging" "$src/README.md" && fail "all rights reserved"

# A software centre's catalog, made as a distribution makes it: Kalvoran listed with its icon.
appstreamcli compose --no-net --result-root="$work/catalog" --origin=kalvoran "$work/root" \
    >"$work/compose.log" 2>&1 || { cat "$work/compose.log"; fail "appstreamcli compose"; }
catalog=$(zcat "$work/catalog/usr/share/swcatalog/xml/kalvoran.xml.gz" 2>/dev/null)
grep -q '<id>de.kalvoran.Kalvoran</id>' <<<"$catalog" || fail "not in the catalog"
grep -q '<icon type="cached" width="128" height="128">' <<<"$catalog" || fail "catalog without icon"
[ -z "$(find "$work/catalog" -path '*hints*' -type f)" ] || fail "compose hints: $(find "$work/catalog" -path '*hints*' -type f -exec zcat -f {} +)"

finish packaging
