#!/usr/bin/env bash
# Start-up of the desktop calculator on a virtual X display: time from the
# launch to its mapped window ("cold start"; the page cache is warm after the
# first run) and the peak resident memory once the window is up.
# Prints the median of RUNS runs.
#
#   scripts/bench-startup.sh BIN_DIR [RUNS]
#
# COMPARE_CMD="program args" COMPARE_TITLE="window title regex" measures a
# second program the same way and prints the two ratios (quorvix / other).
set -euo pipefail
bin=${1:?usage: bench-startup.sh BIN_DIR [RUNS]}
runs=${2:-7}
display=:${BENCH_DISPLAY:-87}

for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "bench-startup: $tool is missing (make deps)"; exit 1; }
done

Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
work=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
sleep 1

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }

# One run: prints "milliseconds-to-window peak-kB".
run_once() {
  local title=$1; shift
  local start end pid hwm
  start=$(now_ms)
  DISPLAY=$display "$@" >/dev/null 2>&1 &
  pid=$!
  until DISPLAY=$display xdotool search --onlyvisible --name "$title" >/dev/null 2>&1; do
    kill -0 "$pid" 2>/dev/null || { echo "bench-startup: $1 ended early" >&2; exit 1; }
    sleep 0.005
  done
  end=$(now_ms)
  sleep 1  # let the first paint and idle work finish
  hwm=$(awk '/^VmHWM/ {print $2}' "/proc/$pid/status")
  kill "$pid"; wait "$pid" 2>/dev/null || true
  echo "$((end - start)) $hwm"
}

# Prints "median-ms median-kB" over the runs.
measure() {
  local title=$1; shift
  local i
  for i in $(seq "$runs"); do run_once "$title" "$@"; done >"$work/runs"
  local ms kb
  ms=$(cut -d' ' -f1 "$work/runs" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}')
  kb=$(cut -d' ' -f2 "$work/runs" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}')
  echo "$ms $kb"
}

mkdir -p "$work/data"
read -r q_ms q_kb < <(measure '^Quorvix' "$bin/quorvix" --data-dir "$work/data")
echo "quorvix: window after ${q_ms} ms, peak memory ${q_kb} kB (median of $runs)"

if [ -n "${COMPARE_CMD:-}" ]; then
  # shellcheck disable=SC2086
  read -r c_ms c_kb < <(measure "${COMPARE_TITLE:?set COMPARE_TITLE}" $COMPARE_CMD)
  echo "compared: window after ${c_ms} ms, peak memory ${c_kb} kB"
  awk -v a="$q_ms" -v b="$c_ms" -v c="$q_kb" -v d="$c_kb" \
    'BEGIN {printf "ratios (quorvix / compared): start-up %.2f, peak memory %.2f\n", a/b, c/d}'
fi
