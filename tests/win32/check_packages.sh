#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The two Windows packages. Reproducible: packed twice from this build, and packed from a second
# build of a copy of the source tree in another folder, Kalvoran.exe, the zip and the installer
# are the same bytes. The zip holds Kalvoran.exe, LICENSE and LIESMICH.txt, and the exe unpacked
# from it starts and shows its window. The installer carries its version record and the icon.
# Usage: check_packages.sh BUILD_DIR SOURCE_DIR probe.exe PYTHON
set -u
build=$1 src=$2 probe=$3 python=$4
here=$(dirname "$0")
source "$here/../../scripts/check_common.sh"
need makensis nsis
need xdotool xdotool
"$python" -c 'import pefile' 2>/dev/null ||
    { echo "FAIL: pefile is missing: install the Debian package python3-pefile (./test.sh installs it)"; exit 1; }

pack() { # pack BUILD OUT
    cpack --config "$1/CPackConfig.cmake" -B "$2" >"$work/cpack.log" 2>&1 ||
        { cat "$work/cpack.log"; fail "cpack in $1"; exit 1; }
}
pack "$build" "$work/out"
pack "$build" "$work/again"

# The second build sees neither the first's folders nor its Git history: the commit time is
# handed over as SOURCE_DATE_EPOCH, which is what the first packing took from Git.
mkdir "$work/src"
tar -C "$src" --exclude=./build --exclude=./.git -cf - . | tar -C "$work/src" -xf -
epoch=$(git -C "$src" log -1 --format=%ct)
cmake -S "$work/src" -B "$work/second" --toolchain "$work/src/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >"$work/build.log" 2>&1 &&
    cmake --build "$work/second" -j 2 >>"$work/build.log" 2>&1 ||
    { cat "$work/build.log"; fail "second build"; exit 1; }
SOURCE_DATE_EPOCH=$epoch pack "$work/second" "$work/second-out"

zip=Kalvoran-1.1.9-win64.zip setup=Kalvoran-1.1.9-win64-setup.exe
for file in "$zip" "$setup"; do
    [ -f "$work/out/$file" ] || { fail "no $file"; continue; }
    cmp -s "$work/out/$file" "$work/again/$file" || fail "two packings of one build differ: $file"
    cmp -s "$work/out/$file" "$work/second-out/$file" || fail "two builds differ: $file"
done
cmp -s "$build/Kalvoran.exe" "$work/second/Kalvoran.exe" || fail "two builds differ: Kalvoran.exe"
for file in "$build/Kalvoran.exe" "$work/out/$zip" "$work/out/$setup"; do
    echo "$(basename "$file"): $(stat -c %s "$file") bytes, SHA-256 $(sha256sum <"$file" | cut -d' ' -f1)"
done

mkdir "$work/unpacked"
(cd "$work/unpacked" && cmake -E tar xf "$work/out/$zip")
[ "$(cd "$work/unpacked" && find . -type f | sort | tr '\n' ' ')" = "./Kalvoran.exe ./LICENSE ./LIESMICH.txt " ] ||
    fail "contents: $(cd "$work/unpacked" && find . | tr '\n' ' ')"
grep -q "GNU GENERAL PUBLIC LICENSE" "$work/unpacked/LICENSE" || fail "LICENSE is not the GPL"
grep -q "keine Installation" "$work/unpacked/LIESMICH.txt" || fail "LIESMICH.txt"

# The winget manifests filled in for this installer.
url=https://example.org/kalvoran/$setup
manifests=$(bash "$src/packaging/winget/fill.sh" "$work/out/$setup" "$url" "$work/winget") || fail "fill.sh"
sha=$(sha256sum <"$work/out/$setup" | cut -d' ' -f1 | tr a-f A-F)
grep -qx "    InstallerSha256: $sha" "$manifests/KalvoranEntwickler.Kalvoran.installer.yaml" &&
    grep -qx "    InstallerUrl: $url" "$manifests/KalvoranEntwickler.Kalvoran.installer.yaml" ||
    fail "winget installer manifest: $(grep Installer "$manifests"/*.installer.yaml)"
[ "$(grep -l '^PackageVersion: 1.1.9$' "$manifests"/*.yaml | wc -l)" = 4 ] || fail "winget manifests' version"
grep -n @ "$manifests"/*.yaml | grep -v '^[^:]*:[0-9]*:#' && fail "winget manifests left unfilled"
bash "$src/packaging/winget/fill.sh" "$work/out/$setup" "https://example.org/a|b/$setup" "$work/bad" \
    2>/dev/null && fail "fill.sh took a URL with |"

"$python" "$here/check_exe.py" --installer "$work/out/$setup" "$src" || failed=1

export DISPLAY=":$(cat "$build/wine-display")"
KALVORAN_WINE_BUILD=$build bash "$here/wine.sh" "$work/unpacked/Kalvoran.exe" >/dev/null 2>&1 &
program=$!
source "$here/../../scripts/x_retry.sh"
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Der Kalvoran$' 2>/dev/null | head -n1)
[ -n "$window" ] || fail "the unpacked exe shows no window"
bash "$here/wine.sh" "$probe" close
wait $program

finish package
