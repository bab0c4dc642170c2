#!/bin/sh
# Starting Kolva where no display can be opened must print one clear line and
# exit with status 1: no core dump, no advice to reinstall.
kolva="$1"
output=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$kolva" 2>&1)
status=$?
expected="kolva: cannot open a window: no graphical display is available"
if [ "$status" -ne 1 ] || [ "$output" != "$expected" ]; then
    echo "exit status $status, output:"
    echo "$output"
    exit 1
fi
echo "no display: exit status 1 with one line"
