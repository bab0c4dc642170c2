#!/bin/sh
# Runs a program that leaks on purpose and passes only if the leak checker
# reports that leak, by the function that made it.
program="$1"
function="$2"
output=$(QT_QPA_PLATFORM=offscreen "$program" 2>&1)
status=$?
if [ "$status" -ne 0 ] && printf '%s\n' "$output" | grep -q "LeakSanitizer: detected memory leaks" &&
    printf '%s\n' "$output" | grep -q "$function"; then
    echo "the deliberate leak in $function was reported"
    exit 0
fi
echo "the deliberate leak in $function was not reported (exit status $status):"
printf '%s\n' "$output" | tail -n 20
exit 1
