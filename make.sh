#!/bin/sh
# The quick start on a machine that may not even have make:
#   ./make.sh run     builds Kolva and opens the window
#   ./make.sh test    builds Kolva and runs every test
# It installs make together with everything the target needs, in one go (so
# the password is asked for once, or one message names every package), then
# hands over to make. Any other make target and setting works too.
set -eu
cd "$(dirname "$0")"
[ $# -gt 0 ] || set -- run
case " $* " in
    *" test "*) sets="make run test" ;;
    *) sets="make run" ;;
esac
# shellcheck disable=SC2086 # $sets is a list of set names, one word each
scripts/install-deps $sets
exec make --no-print-directory "$@"
