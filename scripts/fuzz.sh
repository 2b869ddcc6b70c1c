#!/usr/bin/env bash
# Runs every fuzz target in DIR, sharing SECONDS between them (at least 5 s
# each). Seeds come from fuzz/corpus/<target>/ when it exists; new inputs go
# to a scratch directory so the committed corpus stays as it is.
set -euo pipefail
dir=$1
total=${2:-30}
root="$(cd "$(dirname "$0")/.." && pwd)"
targets=("$dir"/fuzz_*)
[ -e "${targets[0]}" ] || { echo "no fuzz targets in $dir"; exit 0; }
per=$(( total / ${#targets[@]} ))
[ "$per" -lt 5 ] && per=5
for t in "${targets[@]}"; do
  name=$(basename "$t")
  scratch=$(mktemp -d)
  seeds=()
  [ -d "$root/fuzz/corpus/$name" ] && seeds+=("$root/fuzz/corpus/$name")
  dict=()
  [ -f "$root/fuzz/$name.dict" ] && dict+=("-dict=$root/fuzz/$name.dict")
  echo "== $name for ${per}s"
  "$t" -max_total_time="$per" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
       "${dict[@]}" "$scratch" "${seeds[@]}" 2>&1 | tail -n 12
  status=${PIPESTATUS[0]}
  rm -rf "$scratch"
  if [ "$status" -ne 0 ]; then echo "$name failed"; exit "$status"; fi
done
echo "fuzz smoke passed"
