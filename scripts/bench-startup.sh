#!/usr/bin/env bash
# Start-up of the desktop calculator on a virtual X display, side by side
# with an empty Qt Widgets window (bench/qt_empty_window, the least a Qt
# program does to show a window): time from the launch to the mapped window
# (the page cache is warm after the first run) and the peak resident memory
# once the window is up. The two programs take turns; each figure is the
# median of RUNS runs, and the ratios quorvix / baseline are printed.
#
#   scripts/bench-startup.sh BIN_DIR [RUNS]
#
# Every quorvix run gets a fresh --data-dir, so a previous run that is still
# ending never takes the start over (one instance per data directory).
set -euo pipefail
bin=${1:?usage: bench-startup.sh BIN_DIR [RUNS]}
runs=${2:-7}
display=:${BENCH_DISPLAY:-87}

for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "bench-startup: $tool is missing (make deps)"; exit 1; }
done
for program in quorvix qt_empty_window; do
  [ -x "$bin/$program" ] || { echo "bench-startup: $bin/$program is missing (make build)"; exit 1; }
done

# -noreset: the server would otherwise reset (and refuse clients meanwhile)
# whenever the last client leaves, as between two runs.
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
work=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do  # up to 10 s for the server to accept clients
  DISPLAY=$display xdotool getdisplaygeometry >/dev/null 2>&1 && break
  sleep 0.1
done

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }

# One run: prints "milliseconds-to-window peak-kB".
run_once() {
  local title=$1; shift
  local start end pid hwm
  start=$(now_ms)
  DISPLAY=$display "$@" >/dev/null 2>"$work/stderr" &
  pid=$!
  until DISPLAY=$display xdotool search --onlyvisible --name "$title" >/dev/null 2>&1; do
    kill -0 "$pid" 2>/dev/null || { echo "bench-startup: $1 ended early:" >&2; cat "$work/stderr" >&2; exit 1; }
    sleep 0.005
  done
  end=$(now_ms)
  sleep 1  # let the first paint and idle work finish
  hwm=$(awk '/^VmHWM/ {print $2}' "/proc/$pid/status")
  kill "$pid"; wait "$pid" 2>/dev/null || true
  echo "$((end - start)) $hwm"
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

for i in $(seq "$runs"); do
  run_once '^Quorvix' "$bin/quorvix" --data-dir "$work/data$i" >>"$work/quorvix"
  run_once '^Qt empty window$' "$bin/qt_empty_window" >>"$work/baseline"
done

read -r q_ms q_kb <<<"$(cut -d' ' -f1 "$work/quorvix" | median) $(cut -d' ' -f2 "$work/quorvix" | median)"
read -r b_ms b_kb <<<"$(cut -d' ' -f1 "$work/baseline" | median) $(cut -d' ' -f2 "$work/baseline" | median)"
echo "quorvix:         window after ${q_ms} ms, peak memory ${q_kb} kB (median of $runs)"
echo "qt_empty_window: window after ${b_ms} ms, peak memory ${b_kb} kB (median of $runs)"
awk -v a="$q_ms" -v b="$b_ms" -v c="$q_kb" -v d="$b_kb" \
  'BEGIN {printf "ratios (quorvix / empty Qt window): time to window %.2f, peak memory %.2f\n", a/b, c/d}'
