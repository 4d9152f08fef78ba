#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Startup time and peak memory of the calculator against an empty Qt widget window, under Xvfb.
# Usage: bench/run.sh [RUNS]   (15 by default; the two programs run interleaved)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
source scripts/x_retry.sh
source scripts/xvfb.sh
kalvoran_setup xvfb libx11-dev libxdamage-dev
runs=${1:-15}

cmake --preset release >/dev/null
cmake --build --preset release --target kalvoran empty_window first_paint >/dev/null
bin=build/release

displayfile=$(mktemp)
trap 'kill ${xvfb_pid:-} 2>/dev/null; rm -f "$displayfile"' EXIT
start_xvfb 1280x1024x24 "$displayfile"
export QT_QPA_PLATFORM=xcb

# One warm-up each, so that both start from a warm file cache.
x_retry "$bin/bench/first_paint" "$bin/kalvoran" >/dev/null
x_retry "$bin/bench/first_paint" "$bin/bench/empty_window" >/dev/null

: >"$displayfile.k"
: >"$displayfile.e"
for _ in $(seq "$runs"); do
    x_retry "$bin/bench/first_paint" "$bin/kalvoran" >>"$displayfile.k"
    x_retry "$bin/bench/first_paint" "$bin/bench/empty_window" >>"$displayfile.e"
done

median() { sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }
k_paint=$(cut -d' ' -f2 "$displayfile.k" | median)
e_paint=$(cut -d' ' -f2 "$displayfile.e" | median)
k_cpu=$(cut -d' ' -f4 "$displayfile.k" | median)
e_cpu=$(cut -d' ' -f4 "$displayfile.e" | median)
k_rss=$(cut -d' ' -f3 "$displayfile.k" | median)
e_rss=$(cut -d' ' -f3 "$displayfile.e" | median)
rm -f "$displayfile.k" "$displayfile.e"

echo "runs: $runs each, interleaved, Xvfb, $(nproc) cores"
printf 'first paint  kalvoran %7.1f ms   empty window %7.1f ms   ratio %.2f\n' \
    "$k_paint" "$e_paint" "$(echo "$k_paint $e_paint" | awk '{print $1/$2}')"
printf 'CPU to paint kalvoran %7.1f ms   empty window %7.1f ms   (all threads)\n' "$k_cpu" "$e_cpu"
printf 'peak memory  kalvoran %7.1f MB   empty window %7.1f MB   ratio %.2f\n' \
    "$(echo "$k_rss" | awk '{print $1/1024}')" "$(echo "$e_rss" | awk '{print $1/1024}')" \
    "$(echo "$k_rss $e_rss" | awk '{print $1/$2}')"
