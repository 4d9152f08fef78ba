#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Startup time of Kalvoran.exe under Wine against an empty Win32 window of the same size, both
# seen by bench/first_paint from exec to the first paint of their window, on an Xvfb of their own.
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
cmake --build --preset windows --target kalvoran empty_window >/dev/null
build=$PWD/build/windows
bash tests/win32/wine_session.sh start "$build" >/dev/null
trap 'bash tests/win32/wine_session.sh stop "$build"' EXIT
source tests/win32/wine_env.sh
export DISPLAY=":$(cat "$build/wine-display")" WINEPREFIX="$build/wineprefix" WINEDEBUG=-all
paint() { x_retry build/release/bench/first_paint "$wine" "$1" | cut -d' ' -f2; }

paint "$build/Kalvoran.exe" >/dev/null # warm-up
paint "$build/bench/empty_window.exe" >/dev/null
k=() e=()
for _ in $(seq "$runs"); do
    k+=("$(paint "$build/Kalvoran.exe")")
    e+=("$(paint "$build/bench/empty_window.exe")")
done
median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }
km=$(median "${k[@]}") em=$(median "${e[@]}")
echo "runs: $runs each, interleaved, Wine $("$wine" --version), Xvfb, $(nproc) cores"
printf 'first paint  Kalvoran.exe %7.1f ms   empty window %7.1f ms   ratio %.2f\n' "$km" "$em" \
    "$(echo "$km $em" | awk '{print $1/$2}')"
echo "all Kalvoran.exe: ${k[*]}"
echo "all empty window: ${e[*]}"
