#!/usr/bin/env bash
# Runs every benchmark program in DIR. The programs that compare Quorvix
# with its peers (muparser in process; bc, GNU units, python3 and a plain
# C++ program as whole runs) repeat each benchmark, interleaved, and end
# with a table of median ratios against the goals: figures are compared
# only as ratios of benchmarks run side by side in one program.
set -euo pipefail
dir=$1
compare=(--benchmark_repetitions=5 --benchmark_enable_random_interleaving=true
         --benchmark_report_aggregates_only=true --benchmark_min_time=0.1)
for b in "$dir"/bench_*; do
  [ -x "$b" ] || continue
  echo "== $(basename "$b")"
  case "$(basename "$b")" in
    bench_engine | bench_startup) "$b" "${compare[@]}" "${@:2}" ;;
    *) "$b" --benchmark_min_time=0.2 "${@:2}" ;;
  esac
done
