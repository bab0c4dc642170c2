#!/bin/sh
# Kolva answers --help, --help-all (with Qt's options) and --version in text
# and exits 0, with no display to open a window on; it names an option it does
# not know and where to look, and says it opens no files when given one, each
# in one line with a non-zero status.
#   command_line.sh KOLVA
kolva="$1"
fail=0
check() {  # what, expected status, expected text (a grep pattern), arguments...
    what="$1" want_status="$2" want_text="$3"
    shift 3
    output=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$kolva" "$@" 2>&1)
    status=$?
    if [ "$status" -ne "$want_status" ] || ! printf '%s\n' "$output" | grep -q -- "$want_text"; then
        echo "$what: exit status $status, expected $want_status and a line matching: $want_text"
        printf '%s\n' "$output"
        fail=1
    fi
}
check "--help" 0 "^Usage: kolva \[options\]$" --help
check "--help" 0 "^  -v, --version  *Displays version information.$" --help
check "--help" 0 "^  --help-all  *Displays help" --help
check "--help-all" 0 "^  --platform <platformName\[:options\]>  *The platform plugin" --help-all
check "--version" 0 "^kolva [0-9][0-9.]*$" --version
check "an unknown option" 1 "^kolva: Unknown option 'frobnicate'. Try 'kolva --help' for more information.$" --frobnicate
check "a file" 1 "^kolva: Kolva opens no files (some-file.txt); to bring in a machine, copy its text and press Ctrl+V in Kolva's window.$" some-file.txt
for arguments in --frobnicate some-file.txt; do
    lines=$(env -u DISPLAY "$kolva" $arguments 2>&1 | grep -c .)
    if [ "$lines" -ne 1 ]; then
        echo "$arguments: $lines lines, expected one"
        fail=1
    fi
done
[ $fail -eq 0 ] && echo "--help, --version, an unknown option and a file answered without a display"
exit $fail
