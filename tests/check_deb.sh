#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package, unpacks it into a temporary root and checks every file in it,
# its dependencies, and (where lintian is installed) that lintian finds no error.
# Usage: check_deb.sh BUILD_DIR
set -uo pipefail
build=$1
source "$(dirname "$0")/../scripts/check_common.sh"
need dpkg-deb dpkg
need readelf binutils
need lintian lintian
# Packed twice: the same build gives the same bytes.
for run in out again; do
    cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/$run" >"$work/cpack.log" 2>&1 ||
        { cat "$work/cpack.log"; fail "cpack"; exit 1; }
done
deb=$(ls "$work"/out/kalvoran_1.1.9_*.deb 2>/dev/null)
[ -n "$deb" ] || { fail "no kalvoran_1.1.9_<arch>.deb"; exit 1; }
sums=$(cd "$work" && sha256sum out/*.deb again/*.deb | cut -d' ' -f1 | uniq | wc -l)
[ "$sums" -eq 1 ] || fail "two packings of one build differ"
arch=$(dpkg --print-architecture)
[ "$(basename "$deb")" = "kalvoran_1.1.9_${arch}.deb" ] || fail "file name $(basename "$deb")"

dpkg -x "$deb" "$work/root"
expected="./usr/bin/kalvoran
./usr/share/applications/de.kalvoran.Kalvoran.desktop
./usr/share/doc/kalvoran/changelog.gz
./usr/share/doc/kalvoran/copyright
./usr/share/icons/hicolor/128x128/apps/kalvoran.png
./usr/share/icons/hicolor/16x16/apps/kalvoran.png
./usr/share/icons/hicolor/24x24/apps/kalvoran.png
./usr/share/icons/hicolor/256x256/apps/kalvoran.png
./usr/share/icons/hicolor/32x32/apps/kalvoran.png
./usr/share/icons/hicolor/48x48/apps/kalvoran.png
./usr/share/icons/hicolor/64x64/apps/kalvoran.png
./usr/share/icons/hicolor/scalable/apps/kalvoran.svg
./usr/share/lintian/overrides/kalvoran
./usr/share/man/man1/kalvoran.1.gz
./usr/share/metainfo/de.kalvoran.Kalvoran.metainfo.xml
./usr/share/pixmaps/kalvoran.xpm"
actual=$(cd "$work/root" && find . -type f | sort)
[ "$actual" = "$expected" ] || fail "files differ:
$(diff <(echo "$expected") <(echo "$actual"))"
[ -x "$work/root/usr/bin/kalvoran" ] || fail "binary not executable"
file_type=$(head -c 4 "$work/root/usr/bin/kalvoran" | od -An -c | tr -d ' ')
[ "$file_type" = '177ELF' ] || fail "binary is no ELF file"
cmp -s "$work/root/usr/share/pixmaps/kalvoran.xpm" "$(dirname "$0")/../packaging/kalvoran.xpm" ||
    fail "icon source differs"
gzip -t "$work/root/usr/share/doc/kalvoran/changelog.gz" "$work/root/usr/share/man/man1/kalvoran.1.gz" ||
    fail "compressed docs"

# Hardened as Debian builds its own: PIE, read-only relocations bound at start, stack
# protector; and no compilers' notes.
binary="$work/root/usr/bin/kalvoran"
elf=$(readelf -W -h -d -l -S --dyn-syms "$binary")
grep -q 'Type: *DYN' <<<"$elf" || fail "not position-independent"
grep -q 'BIND_NOW' <<<"$elf" || fail "no BIND_NOW"
grep -q 'GNU_RELRO' <<<"$elf" || fail "no RELRO"
grep -q '__stack_chk_fail' <<<"$elf" || fail "no stack protector"
grep -q '\.comment' <<<"$elf" && fail ".comment section"

depends=$(dpkg-deb -f "$deb" Depends)
for dep in libqt6widgets6 libqt6gui6 libqt6core6 libc6 fonts-liberation2; do
    [[ "$depends" == *"$dep"* ]] || fail "Depends lacks $dep: $depends"
done
[ "$(dpkg-deb -f "$deb" Version)" = "1.1.9" ] || fail "version"

lintian -I -E --pedantic "$deb" 2>/dev/null | tee "$work/lintian.txt"
[ -s "$work/lintian.txt" ] && fail "lintian has remarks"
finish "$(basename "$deb") package"
