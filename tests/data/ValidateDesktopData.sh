#!/bin/sh
# Checks the desktop entry and the AppStream metadata with their validators.
# usage: ValidateDesktopData.sh DESKTOP-FILE METAINFO-FILE
# The desktop entry may use SingleMainWindow (Desktop Entry 1.5); a
# validator that knows only 1.4 calls it an unknown key, and that one
# complaint is let through. Everything else it reports fails the test. The
# metadata must pass the pedantic check with no error or warning.
set -u
desktop=$1
metainfo=$2
status=0

report=$(desktop-file-validate "$desktop" 2>&1)
rest=$(printf '%s\n' "$report" | grep -v 'key "SingleMainWindow" in group "Desktop Entry"' | grep .)
if [ -n "$rest" ]; then
    printf 'desktop entry:\n%s\n' "$rest"
    status=1
fi

if ! report=$(appstreamcli validate --pedantic --no-net "$metainfo" 2>&1); then
    printf 'metainfo:\n%s\n' "$report"
    status=1
elif printf '%s\n' "$report" | grep -q '^[EW]:'; then
    printf 'metainfo:\n%s\n' "$report"
    status=1
fi
exit $status
