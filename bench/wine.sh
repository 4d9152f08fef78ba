#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Startup time of Kalvoran.exe under Wine against a stand-in with the same controls and no logic
# and against an empty Win32 window of the same size, each seen by bench/first_paint from exec to
# the first paint of its window, on an Xvfb of their own.
# Usage: bench/wine.sh [RUNS]   (15 by default; the two programs run interleaved)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
source scripts/x_retry.sh
kalvoran_setup xvfb libx11-dev libxdamage-dev g++-mingw-w64-x86-64-posix wine64 fonts-wine
runs=${1:-15}

cmake --preset release >/dev/null
cmake --build --preset release --target first_paint >/dev/null
cmake --preset windows >/dev/null
cmake --build --preset windows --target kalvoran stand_in empty_window >/dev/null
build=$PWD/build/windows
bash tests/win32/wine_session.sh start "$build" >/dev/null
trap 'bash tests/win32/wine_session.sh stop "$build"' EXIT
source tests/win32/wine_env.sh
export DISPLAY=":$(cat "$build/wine-display")" WINEPREFIX="$build/wineprefix" WINEDEBUG=-all
paint() { x_retry build/release/bench/first_paint "$wine" "$1" | cut -d' ' -f2; }

# One warm-up each, then the three interleaved.
programs=("$build/Kalvoran.exe" "$build/bench/stand_in.exe" "$build/bench/empty_window.exe")
for program in "${programs[@]}"; do paint "$program" >/dev/null; done
k=() s=() e=()
for _ in $(seq "$runs"); do
    k+=("$(paint "${programs[0]}")")
    s+=("$(paint "${programs[1]}")")
    e+=("$(paint "${programs[2]}")")
done
median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }
km=$(median "${k[@]}") sm=$(median "${s[@]}") em=$(median "${e[@]}")
ratio() { echo "$1 $2" | awk '{printf "%.2f", $1/$2}'; }
echo "runs: $runs each, interleaved, Wine $("$wine" --version), Xvfb, $(nproc) cores"
printf 'first paint  Kalvoran.exe %7.1f ms   stand-in %7.1f ms   empty window %7.1f ms\n' "$km" "$sm" "$em"
echo "Kalvoran.exe against the stand-in (same controls, no logic): $(ratio "$km" "$sm")"
echo "Kalvoran.exe against the empty window: $(ratio "$km" "$em")"
echo "all Kalvoran.exe: ${k[*]}"
echo "all stand-in:     ${s[*]}"
echo "all empty window: ${e[*]}"
