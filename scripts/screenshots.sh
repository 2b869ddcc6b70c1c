#!/usr/bin/env bash
# Screenshots of the calculator for the README and the AppStream metadata,
# taken from the built program on a virtual X display: the window in the
# default colours and in the dark scheme with a short worksheet, and a plot.
#
#   scripts/screenshots.sh [BIN_DIR] [OUT_DIR]      (defaults: build/bin docs)
#
# Each shot starts the program with a fresh --data-dir whose settings file
# selects the colours, types a few lines and captures the window alone.
set -euo pipefail
bin=${1:-build/bin}
out=${2:-docs}
display=:${SHOT_DISPLAY:-88}

for tool in Xvfb xdotool import; do
  command -v "$tool" >/dev/null || { echo "screenshots: $tool is missing (make deps)"; exit 1; }
done
[ -x "$bin/quorvix" ] || { echo "screenshots: $bin/quorvix is missing (make build)"; exit 1; }
mkdir -p "$out"

Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
export DISPLAY=$display
for _ in $(seq 100); do
  xdotool getdisplaygeometry >/dev/null 2>&1 && break
  sleep 0.1
done

# The worksheet every shot shows: each line typed, then Enter.
lines=('2*sin(pi/6)' 'r = 2.5' 'pi*r^2' 'besselj(0,2.404825557695773)' 'fint(exp(-t^2),0,1)')

# shot NAME SETTINGS [plot]: SETTINGS are lines for the settings file.
shot() {
  local name=$1 settings=$2 plot=${3:-}
  local data="$work/$name"
  mkdir -p "$data"
  printf '[Options]\nFirstUse=0\nRunAtStartup=0\nShowFinanceBox=0\n%b\n' "$settings" >"$data/Quorvix.ini"
  "$bin/quorvix" --data-dir "$data" >"$work/$name.log" 2>&1 &
  local pid=$!
  pids+=("$pid")
  local wid
  wid=$(xdotool search --sync --onlyvisible --name '^Quorvix' | head -n1)
  xdotool windowfocus --sync "$wid" 2>/dev/null || true
  sleep 0.5
  for line in "${lines[@]}"; do
    xdotool type --delay 15 "$line"
    xdotool key Return
    sleep 0.3
  done
  sleep 0.5
  if [ -n "$plot" ]; then
    xdotool key Up Up ctrl+p
    local plotWid
    plotWid=$(xdotool search --sync --onlyvisible --name '^Plot' | head -n1)
    sleep 1
    import -window "$plotWid" "$out/plot.png"
  else
    import -window "$wid" "$out/$name.png"
  fi
  kill "$pid"
  wait "$pid" 2>/dev/null || true
}

shot screenshot ''
# The dark scheme as Display Options stores it: the dark windows and its colours.
dark='[Display]\nColorScheme=1\nForeColor=16760450\nBackColor=2104862\n'
dark+='[Keypad]\nNumberColor=8882175\nOperatorColor=5953535\nFunctionColor=16760460'
shot screenshot-dark "$dark"
shot plot '' plot
echo "screenshots: written to $out"
