#!/bin/sh
# Starting Kolva where it cannot open a window must print one line that says
# why in one sentence, in Qt's own words, and exit with status 1: no core
# dump, no advice to reinstall.  start_failure.sh KOLVA CASE, where CASE is one of:
#   no-display        no X server to connect to
#   missing-plugin    a platform plugin that does not exist
#   failing-plugin    a platform plugin that is found but cannot start (Wayland
#                     without a compositor)
# It runs in the plain C locale, as a bare system or a service does, where Qt
# also has advice of its own on the locale, which must not add lines.
kolva="$1"
case "$2" in
    no-display) platform=xcb; expected="no graphical display is available" ;;
    missing-plugin) platform=bogus; expected='Could not find the Qt platform plugin "bogus"' ;;
    failing-plugin) platform=wayland; expected='"wayland"' ;;
    *) echo "unknown case $2"; exit 2 ;;
esac
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
output=$(env -u DISPLAY -u WAYLAND_DISPLAY LC_ALL=C XDG_RUNTIME_DIR="$runtime" QT_QPA_PLATFORM=$platform \
    "$kolva" 2>&1)
status=$?
lines=$(printf '%s\n' "$output" | grep -c .)
if [ "$status" -ne 1 ] || [ "$lines" -ne 1 ] ||
    ! printf '%s' "$output" | grep -q "^kolva: cannot open a window: .*$expected" ||
    printf '%s' "$output" | grep -qi "reinstall" || printf '%s' "$output" | grep -q '\.;'; then
    echo "exit status $status, $lines line(s), expected one sentence naming: $expected"
    printf '%s\n' "$output"
    exit 1
fi
echo "$2: exit status 1 with one line: $output"
