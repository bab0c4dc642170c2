#!/bin/sh
# A desktop for the desktop tests to share, started and ended by a CTest
# fixture: an X server on a display that no other run holds (Xvfb picks a free
# one itself and says which), a D-Bus session bus, which starts the
# accessibility bus when a program first asks for it, and a home folder.
#   session.sh start FOLDER    starts it; FOLDER/environment is for the tests
#   session.sh stop FOLDER     ends it and every program started in it
# Every program of the session, the tests' own included, carries
# KOLVA_DESKTOP_SESSION=FOLDER in its environment, by which stopping finds it.
set -eu
action="$1"
folder="$2"

# The programs of the session: those whose environment names its folder.
members() {
    for environ in /proc/[0-9]*/environ; do
        if grep -qzxF "KOLVA_DESKTOP_SESSION=$folder" "$environ" 2>/dev/null; then
            pid="${environ#/proc/}"
            echo "${pid%/environ}"
        fi
    done
}

stop() {
    pids=$(members)
    [ -n "$pids" ] || return 0
    # shellcheck disable=SC2086 # $pids is a list of process ids
    kill $pids 2>/dev/null || true
    for _ in 1 2 3 4 5 6 7 8 9 10; do
        pids=$(members)
        [ -n "$pids" ] || return 0
        sleep 0.2
    done
    # shellcheck disable=SC2086 # as above
    kill -9 $pids 2>/dev/null || true
}

case "$action" in
    stop)
        stop
        ;;
    start)
        stop
        rm -rf "$folder"
        mkdir -p "$folder/runtime"
        chmod 700 "$folder/runtime"
        export KOLVA_DESKTOP_SESSION="$folder" HOME="$folder" XDG_RUNTIME_DIR="$folder/runtime" \
            XDG_CONFIG_HOME="$folder/config" XDG_CACHE_HOME="$folder/cache" \
            XDG_DATA_HOME="$folder/data"
        unset WAYLAND_DISPLAY AT_SPI_BUS_ADDRESS
        Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$folder/display" \
            >"$folder/xvfb.log" 2>&1 &
        for _ in $(seq 100); do
            [ -s "$folder/display" ] && break
            sleep 0.1
        done
        [ -s "$folder/display" ] || { cat "$folder/xvfb.log"; exit 1; }
        DISPLAY=":$(cat "$folder/display")"
        export DISPLAY
        dbus-daemon --session --fork --print-address=3 3>"$folder/bus" >"$folder/dbus.log" 2>&1
        DBUS_SESSION_BUS_ADDRESS=$(cat "$folder/bus")
        export DBUS_SESSION_BUS_ADDRESS
        env | grep -E '^(KOLVA_DESKTOP_SESSION|HOME|XDG_[A-Z_]+|DISPLAY|DBUS_SESSION_BUS_ADDRESS)=' \
            >"$folder/environment"
        echo "desktop on $DISPLAY in $folder"
        ;;
esac
