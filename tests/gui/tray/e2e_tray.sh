#!/usr/bin/env bash
# End to end, the real program under a virtual X display with a real tray
# host: a hidden start puts only the icon into the tray, a second start shows
# the running program's window and ends with 0, a line typed into the display
# is in the worksheet once the program has ended on SIGTERM (with code 0).
# Usage: e2e_tray.sh QUORVIX_BINARY. Exits 77 (skipped) when Xvfb, trayer,
# xdotool or xwininfo is missing; every wait is bounded and everything
# started here is ended here.
set -u

BIN=${1:?usage: e2e_tray.sh QUORVIX_BINARY}
for tool in Xvfb trayer xdotool xwininfo; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is not installed (make deps installs it)"
        exit 77
    fi
done

WORK=$(mktemp -d)
DATA="$WORK/data"
mkdir -p "$DATA"
PIDS=()

cleanup() {
    local pid
    for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null; done
    sleep 0.3
    for pid in "${PIDS[@]}"; do kill -9 "$pid" 2>/dev/null; done
    rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*"
    local log
    for log in "$WORK"/*.log; do
        [ -s "$log" ] && { echo "--- $(basename "$log")"; tail -n 20 "$log"; }
    done
    exit 1
}

# wait_for SECONDS COMMAND...: true once COMMAND succeeds, false at the deadline.
wait_for() {
    local deadline=$((SECONDS + $1))
    shift
    while ((SECONDS < deadline)); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.2
    done
    return 1
}

# A free display, chosen by the server itself.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$WORK/display" >"$WORK/xvfb.log" 2>&1 &
PIDS+=($!)
wait_for 15 test -s "$WORK/display" || fail "Xvfb did not start"
export DISPLAY=":$(head -n1 "$WORK/display")"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
export XDG_RUNTIME_DIR="$WORK/runtime"
mkdir -m 700 -p "$XDG_RUNTIME_DIR"

trayer --edge top --align right --widthtype pixel --width 200 --heighttype pixel --height 32 \
    >"$WORK/trayer.log" 2>&1 &
PIDS+=($!)
panel_id() { xdotool search --name '^panel$' 2>/dev/null | head -n1; }
panel_shown() { [ -n "$(panel_id)" ]; }
wait_for 15 panel_shown || fail "trayer did not show its panel"
PANEL=$(panel_id)

calculator_shown() { xdotool search --onlyvisible --name '^Quorvix - ' | head -n1 | grep -q .; }
icon_in_tray() { xwininfo -tree -id "$PANEL" | grep -q '"Quorvix"'; }

# 1. Hidden start: the icon appears in the tray, no window is shown.
"$BIN" --data-dir "$DATA" /i >"$WORK/quorvix.log" 2>&1 &
QPID=$!
PIDS+=($QPID)
wait_for 20 icon_in_tray || fail "no tray icon (trayer children: $(xwininfo -tree -id "$PANEL" | tr '\n' ' '))"
calculator_shown && fail "the hidden start showed the window"

# 2. A second start shows the running program's window and ends with 0.
timeout 20 "$BIN" --data-dir "$DATA" >"$WORK/second.log" 2>&1
rc=$?
[ "$rc" -eq 0 ] || fail "the second start ended with $rc"
wait_for 10 calculator_shown || fail "the second start did not show the window"
kill -0 "$QPID" 2>/dev/null || fail "the first instance is gone"

# 3. A line typed into the display is saved when SIGTERM ends the program.
WINDOW=$(xdotool search --onlyvisible --name '^Quorvix - ' | head -n1)
xdotool windowfocus --sync "$WINDOW" >/dev/null 2>&1 || xdotool windowfocus "$WINDOW"
sleep 0.3
xdotool type --delay 30 '6*7'
xdotool key Return
sleep 1
kill -TERM "$QPID"
ended() { ! kill -0 "$QPID" 2>/dev/null; }
wait_for 15 ended || fail "SIGTERM did not end the program"
wait "$QPID"
rc=$?
[ "$rc" -eq 0 ] || fail "the program ended with $rc on SIGTERM"
grep -aq '6\*7 =' "$DATA/Quorvix.qws" || fail "the typed line is not in the worksheet"
grep -aq '42' "$DATA/Quorvix.qws" || fail "the answer is not in the worksheet"
grep -q '^\[Options\]' "$DATA/Quorvix.ini" || fail "the settings were not written"
echo "PASS"
