#!/usr/bin/env bash
# Runs a view test program with Qt's accessibility switched on, so that
# QAccessible::installUpdateHandler sees the events a screen reader would:
# a virtual X display, a private session bus and the accessibility bus on
# it. Qt's offscreen platform has no accessibility at all.
# Usage: RunWithAccessibility.sh TEST_PROGRAM [test function...]
# Exits 77 (skipped) when Xvfb, dbus-run-session or the bus launcher is
# missing; everything started here ends with the session.
set -u

PROGRAM=${1:?usage: RunWithAccessibility.sh TEST_PROGRAM [test function...]}
shift
for tool in xvfb-run Xvfb dbus-run-session; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is not installed"
        exit 77
    fi
done
LAUNCHER=
for candidate in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
    [ -x "$candidate" ] && LAUNCHER=$candidate && break
done
if [ -z "$LAUNCHER" ]; then
    echo "SKIP: at-spi-bus-launcher is not installed"
    exit 77
fi

# The test program waits for the bridge and fails, rather than skips, when
# accessibility does not come on here.
export QUORVIX_REQUIRE_ACCESSIBILITY=1 QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
exec timeout 100 xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- \
    sh -c '"$1" & bus=$!; shift; "$@"; rc=$?; kill "$bus" 2>/dev/null; exit $rc' \
    sh "$LAUNCHER" "$PROGRAM" "$@" 2> >(grep -v "fd limit" >&2)
