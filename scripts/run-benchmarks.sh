#!/usr/bin/env bash
# Runs every benchmark program in DIR; figures are compared as ratios of
# benchmarks run side by side in one program.
set -euo pipefail
dir=$1
for b in "$dir"/bench_*; do
  [ -x "$b" ] || continue
  echo "== $(basename "$b")"
  "$b" --benchmark_min_time=0.2 "${@:2}"
done
