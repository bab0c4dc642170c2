#!/bin/sh
# Starts Kolva's window under a headless Weston compositor and waits for its
# first frame. Skipped (exit 77) where Weston or Qt's Wayland plugin is missing.
first_frame="$1"
if ! command -v weston >/dev/null 2>&1; then
    echo "SKIP: weston is not installed (apt-get install weston)"
    exit 77
fi
if ! ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1; then
    echo "SKIP: Qt's Wayland plugin is not installed (apt-get install qt6-wayland)"
    exit 77
fi

runtime=$(mktemp -d)
chmod 700 "$runtime"
socket=kolva-test
XDG_RUNTIME_DIR="$runtime" weston --backend=headless-backend.so --socket="$socket" \
    --idle-time=0 --no-config >"$runtime/weston.log" 2>&1 &
weston=$!
trap 'kill $weston 2>/dev/null; wait $weston 2>/dev/null; rm -rf "$runtime"' EXIT

tries=0
while [ ! -S "$runtime/$socket" ] && [ $tries -lt 100 ]; do
    sleep 0.1
    tries=$((tries + 1))
done
if [ ! -S "$runtime/$socket" ]; then
    echo "weston did not start:"
    cat "$runtime/weston.log"
    exit 1
fi

XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland \
    timeout 30 "$first_frame"
status=$?
if [ $status -ne 0 ]; then
    echo "Kolva did not paint its first frame under Wayland (status $status)"
    exit 1
fi
echo "wayland: the window opened and painted its first frame"
