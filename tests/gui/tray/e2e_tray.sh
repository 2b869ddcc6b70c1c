#!/usr/bin/env bash
# End to end, the real program under a virtual X display with a real tray
# host: a hidden start puts only the icon into the tray, a second start shows
# the running program's window and ends with 0, a line typed into the display
# is in the worksheet once the program has ended on SIGTERM (with code 0),
# SIGTERM during a long evaluation ends the program within a second (the
# worksheet saved, its lock released), and SIGTERM while the exit's message
# box waits for a click ends the program too.
# Usage: e2e_tray.sh QUORVIX_BINARY. Exits 77 (skipped) when Xvfb, trayer,
# xdotool, xwininfo or flock is missing; every wait is bounded and everything
# started here is ended here.
set -u

BIN=${1:?usage: e2e_tray.sh QUORVIX_BINARY}
for tool in Xvfb trayer xdotool xwininfo flock; do
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

panel_id() { xdotool search --name '^panel$' 2>/dev/null | head -n1; }
panel_shown() { [ -n "$(panel_id)" ]; }
# On a loaded machine trayer now and then ends before its panel is up (it
# says why in its log); it gets three tries.
for attempt in 1 2 3; do
    trayer --edge top --align right --widthtype pixel --width 200 --heighttype pixel --height 32 \
        >>"$WORK/trayer.log" 2>&1 &
    trayer_pid=$!
    PIDS+=($trayer_pid)
    wait_for 15 panel_shown && break
    kill "$trayer_pid" 2>/dev/null || true
    [ "$attempt" = 3 ] && fail "trayer did not show its panel: $(tail -n5 "$WORK/trayer.log")"
done
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

# start_shown LOG: starts the program with its window and types into it.
start_shown() {
    "$BIN" --data-dir "$DATA" >"$WORK/$1" 2>&1 &
    QPID=$!
    PIDS+=($QPID)
    wait_for 20 calculator_shown || fail "the window did not show ($1)"
    WINDOW=$(xdotool search --onlyvisible --name '^Quorvix - ' | head -n1)
    xdotool windowfocus --sync "$WINDOW" >/dev/null 2>&1 || xdotool windowfocus "$WINDOW"
    sleep 0.3
}

# ends_within TENTHS: true once the program has ended, false at the deadline.
ends_within() {
    local tenths=$1
    while ((tenths-- > 0)); do
        ended && return 0
        sleep 0.1
    done
    ended
}

# sigterm_after_typing LINE WHAT: types LINE and Enter into the running
# program, which must still run 1.5 s later; SIGTERM must then end it with
# code 0 within a second.
sigterm_after_typing() {
    xdotool type --delay 30 "$1"
    xdotool key Return
    sleep 1.5
    ended && fail "the program ended before the signal ($2)"
    kill -TERM "$QPID"
    ends_within 10 || fail "SIGTERM did not end the program within a second ($2)"
    wait "$QPID"
    local rc=$?
    [ "$rc" -eq 0 ] || fail "the program ended with $rc on SIGTERM ($2)"
}

# 4. SIGTERM during a long evaluation: the line is cancelled, the worksheet
#    written and its lock released, all within a second.
start_shown long.log
sigterm_after_typing 'FSUM(t,0,1E15)' "during an evaluation"
grep -aq 'FSUM(t,0,1E15)' "$DATA/Quorvix.qws" || fail "the evaluated line is not in the worksheet"
[ -e "$DATA/Quorvix.qws.lock" ] && fail "the worksheet's lock was not released"

# 5. SIGTERM while the exit's message box waits for a click: a worksheet
#    held by another run cannot be written, so EXIT names it in a box.
exec 9>"$DATA/Quorvix.qws.lock"
flock -n 9 || fail "could not take the worksheet's lock"
start_shown box.log
sigterm_after_typing 'EXIT' "at the exit's message box"
exec 9>&-
echo "PASS"
