#!/usr/bin/env bash
# The program's record outside the window: desktop entry, AppStream metadata, the Windows
# version resource, and what `cmake --install` puts where.
# Usage: check_packaging.sh SOURCE_DIR BUILD_DIR
set -uo pipefail
src=$1 build=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0 skipped=()

fail() { echo "FAIL: $*"; failed=1; }

if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$src/packaging/de.kalvoran.Kalvoran.desktop" || fail "desktop entry"
    grep -qx 'Comment=Programm zur Errechnung des el. Widerstands' "$src/packaging/de.kalvoran.Kalvoran.desktop" ||
        fail "desktop entry comment"
else skipped+=(desktop-file-validate); fi

if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$src/packaging/de.kalvoran.Kalvoran.metainfo.xml" || fail "AppStream metadata"
    grep -q '<release version="1.1.9"' "$src/packaging/de.kalvoran.Kalvoran.metainfo.xml" || fail "release 1.1.9"
else skipped+=(appstreamcli); fi

windres=x86_64-w64-mingw32-windres
if command -v "$windres" >/dev/null; then
    cp "$src/packaging/kalvoran.rc" "$build/kalvoran.ico" "$work/"
    if (cd "$work" && "$windres" --preprocessor=cpp -i kalvoran.rc -o kalvoran.res); then
        "$windres" -i "$work/kalvoran.res" -O rc | grep -v '^  0x' >"$work/back.rc"
        expected=(
            'LANGUAGE 7, 1'
            ' FILEVERSION 1, 1, 0, 9'
            ' PRODUCTVERSION 1, 1, 0, 9'
            ' FILEOS 0x4'
            ' FILETYPE 0x1'
            '    BLOCK "040704B0"'
            '      VALUE "Comments", "Programm zur Errechnung des el. Widerstands"'
            '      VALUE "CompanyName", L"\251 Kalvoran-Entwickler"'
            '      VALUE "FileDescription", "Kalvoran"'
            '      VALUE "LegalCopyright", L"\251 Kalvoran-Entwickler"'
            '      VALUE "LegalTrademarks", L"\251 Kalvoran-Entwickler"'
            '      VALUE "ProductName", "Kalvoran 1.1.9"'
            '      VALUE "FileVersion", "1.01.0009"'
            '      VALUE "ProductVersion", "1.01.0009"'
            '      VALUE "InternalName", "Kalvoran"'
            '      VALUE "OriginalFilename", "Kalvoran.exe"'
            '    VALUE "Translation", 0x407, 1200'
        )
        for line in "${expected[@]}"; do
            grep -qxF -- "$line" "$work/back.rc" || fail "version resource lacks: $line"
        done
        # The string fields in their order.
        order=$(grep -o 'VALUE "[A-Za-z]*"' "$work/back.rc" | tr -d '\n')
        [ "$order" = 'VALUE "Comments"VALUE "CompanyName"VALUE "FileDescription"VALUE "LegalCopyright"VALUE "LegalTrademarks"VALUE "ProductName"VALUE "FileVersion"VALUE "ProductVersion"VALUE "InternalName"VALUE "OriginalFilename"VALUE "Translation"' ] ||
            fail "field order: $order"
        grep -q 'RT_GROUP_ICON' "$work/back.rc" || fail "no icon group"
        grep -q 'FILEFLAGS ' "$work/back.rc" && fail "file flags set"
    else
        fail "windres could not compile the resource script"
    fi
else skipped+=("$windres"); fi

cmake --install "$build" --prefix "$work/prefix" >/dev/null || fail "cmake --install"
for f in bin/kalvoran share/applications/de.kalvoran.Kalvoran.desktop share/metainfo/de.kalvoran.Kalvoran.metainfo.xml \
    share/icons/hicolor/48x48/apps/kalvoran.png share/pixmaps/kalvoran.xpm; do
    [ -s "$work/prefix/$f" ] || fail "not installed: $f"
done

[ ${#skipped[@]} -eq 0 ] || echo "not checked here, tool missing: ${skipped[*]}"
[ $failed -eq 0 ] && echo "packaging checks passed"
exit $failed
