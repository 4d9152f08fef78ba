#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The installer under Wine, in a fresh prefix of its own. Installed silently, it puts
# Kalvoran.exe, LICENSE, LIESMICH.txt and the uninstaller into Program Files\Kalvoran, the link
# "Kalvoran" into the Start menu of all users and the uninstall entry with its values; the
# program started from that link shows its window. Uninstalled silently, it leaves no file,
# folder, link or registry key, and after the next start of Windows nothing in %TEMP% either.
# While the program runs, neither touches a file and both end with 3; the uninstaller removes
# the folders the installer made above its folder, and no other; installed over what an older
# version left, the install folder too.
# Usage: check_installer.sh BUILD_DIR probe.exe
set -u
build=$1 probe=$2
source "$(dirname "$0")/fresh_prefix.sh"
need makensis nsis
run() { x_retry "$wine" "$@" >/dev/null; }
settle() { "$wineserver" -w; } # every Windows process of the prefix has ended

cpack --config "$build/CPackConfig.cmake" -G NSIS -B "$work/out" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack"; exit 1; }
fresh_prefix "$build"

# A program of the prefix that crashes says so on its error output; Wine's debugger then shows no
# dialog that would wait for a click, and the crash fails the check below.
exec 2> >(tee -a "$work/errors" >&2)
run reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f
settle

# What the prefix holds: every file and folder of drive C: and every registry key. Wine changes
# a few keys of its own, so only what is new afterwards counts; the keys of Wine's console and
# of its debugger (which a crash of any program of the prefix writes) are Wine's own.
state() {
    (cd "$WINEPREFIX/drive_c" && find . | sort)
    sed -n 's/^\[\(.*\)\] [0-9]*$/\1/p' "$WINEPREFIX/system.reg" "$WINEPREFIX/user.reg" |
        grep -vE '^(Console|Software\\\\Wine\\\\WineDbg)(\\\\|$)' | sort
}
state >"$work/before"

run "$work/out/Kalvoran-1.1.9-win64-setup.exe" /S || fail "the silent install ended with $?"
settle
folder="$WINEPREFIX/drive_c/Program Files/Kalvoran"
[ "$(cd "$folder" 2>/dev/null && ls | tr '\n' ' ')" = "Kalvoran.exe LICENSE LIESMICH.txt Uninstall.exe " ] ||
    fail "Program Files\\Kalvoran holds: $(ls "$folder" 2>&1 | tr '\n' ' ')"
cmp -s "$folder/Kalvoran.exe" "$build/Kalvoran.exe" || fail "the installed Kalvoran.exe is not the built one"
link="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Kalvoran.lnk"
[ -f "$link" ] || fail "no Start-menu link Kalvoran"

key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kalvoran'
entry=$(x_retry "$wine" reg query "$key" /reg:64 2>/dev/null | tr -d '\r' | sed -n 's/^ *\([A-Za-z]*\) *REG_[A-Z_]* *\(.*\)$/\1=\2/p')
kb=$(( $(cat "$folder"/* | wc -c) / 1024 ))
for want in 'DisplayName=Kalvoran' 'DisplayVersion=1.1.9' 'Publisher=Kalvoran-Entwickler' \
    'DisplayIcon=C:\Program Files\Kalvoran\Kalvoran.exe' \
    'InstallLocation=C:\Program Files\Kalvoran' \
    'UninstallString="C:\Program Files\Kalvoran\Uninstall.exe"' \
    'QuietUninstallString="C:\Program Files\Kalvoran\Uninstall.exe" /S' \
    "EstimatedSize=$(printf '0x%x' $kb)" 'NoModify=0x1' 'NoRepair=0x1'; do
    grep -qxF -- "$want" <<<"$entry" || fail "uninstall entry: want $want, it holds: $(tr '\n' ' ' <<<"$entry")"
done
grep -q '^\[Software\\\\Wow6432Node\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Uninstall\\\\Kalvoran\]' \
    "$WINEPREFIX/system.reg" && fail "the uninstall entry is in the 32-bit view"

shown() { timeout 60 xdotool search --sync --onlyvisible --name '^Der Kalvoran$' >/dev/null 2>&1 || fail "no window"; }
# Started as from the Start menu, as a changed copy: installing over it while it runs ends
# with 3 and leaves it as it is; once it has ended, the install puts the new program in place.
printf 'geändert' >>"$folder/Kalvoran.exe"
cp "$folder/Kalvoran.exe" "$work/changed.exe"
run start 'C:\ProgramData\Microsoft\Windows\Start Menu\Programs\Kalvoran.lnk'
shown
run "$work/out/Kalvoran-1.1.9-win64-setup.exe" /S
[ $? = 3 ] || fail "the silent install over the running program ended with $?, not 3"
cmp -s "$folder/Kalvoran.exe" "$work/changed.exe" || fail "the install changed the running program's file"
run "$probe" close
settle
# What an older version left: its uninstall entry without the record of the folders it made (its
# uninstaller removed the install folder once empty). The update over it and the uninstall below
# leave no folder.
run reg delete "$key" /v KalvoranCreatedFolder /f /reg:64
run "$work/out/Kalvoran-1.1.9-win64-setup.exe" /S || fail "the silent install after the program ended with $?"
cmp -s "$folder/Kalvoran.exe" "$build/Kalvoran.exe" || fail "the update did not put the new Kalvoran.exe in place"

run "$folder/Uninstall.exe" /S || fail "the silent uninstall ended with $?"
settle
[ -e "$folder" ] && fail "Program Files\\Kalvoran is left: $(ls "$folder" | tr '\n' ' ')"
[ -e "$link" ] && fail "the Start-menu link is left"
x_retry "$wine" reg query "$key" /reg:64 >/dev/null 2>&1 && fail "the uninstall entry is left"

# Uninstalled while it runs (in place, so that its exit code comes back): 3, nothing removed.
drive=$WINEPREFIX/drive_c
run "$work/out/Kalvoran-1.1.9-win64-setup.exe" /S '/D=C:\Neu\Tief\Kalvoran'
run start 'C:\Neu\Tief\Kalvoran\Kalvoran.exe'
shown
find "$drive/Neu" >"$work/running"
run 'C:\Neu\Tief\Kalvoran\Uninstall.exe' /S '_?=C:\Neu\Tief\Kalvoran'
[ $? = 3 ] || fail "the silent uninstall while the program runs ended with $?, not 3"
find "$drive/Neu" | cmp -s - "$work/running" || fail "the uninstall while the program runs removed files"
run "$probe" close
settle

# The folders above the install folder: the user's folder or file (made before or after the
# install), and what is left of the topmost folder after the uninstall. Installing into
# Neu\Tief\Kalvoran a second time keeps the first install's record.
while IFS='|' read -r into before after left; do
    [ -n "$before" ] && mkdir -p "$drive/$before"
    run "$work/out/Kalvoran-1.1.9-win64-setup.exe" /S "/D=C:\\$into" || fail "the install into $into ended with $?"
    [ -n "$after" ] && touch "$drive/$after"
    run "C:\\$into\\Uninstall.exe" /S
    settle
    top=${into%%\\*}
    found=$(cd "$drive" && find "$top" 2>/dev/null | sort | paste -sd ' ')
    [ "$found" = "$left" ] || fail "uninstalled from $into, left: $found"
    rm -rf "${drive:?}/$top"
done <<'EOF'
Neu\Tief\Kalvoran|||
Grün\Tief\Kalvoran|||
Vorher\Kalvoran|Vorher||Vorher
Leer\Kalvoran|Leer/Kalvoran||Leer Leer/Kalvoran
Notiz\Tief\Kalvoran||Notiz/Tief/notiz.txt|Notiz Notiz/Tief Notiz/Tief/notiz.txt
EOF

# The uninstaller ran as a copy in %TEMP%, removed when Windows starts next.
run wineboot -r
settle
state >"$work/after"
left=$(comm -13 "$work/before" "$work/after")
[ -z "$left" ] || fail "left behind: $left"
grep -il kalvoran "$WINEPREFIX"/*.reg && fail "the registry still names Kalvoran"
grep -a 'Unhandled' "$work/errors" && fail "a program crashed"

finish installer
