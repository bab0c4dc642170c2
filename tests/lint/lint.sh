#!/bin/sh
# Checks the project's own files with the distribution's linters, each
# finding named by file and line:
#   lint.sh format SOURCE    C++ against .clang-format (clang-format)
#   lint.sh shell SOURCE     the shell scripts (shellcheck)
#   lint.sh python SOURCE    the Python test code (pyflakes)
set -eu
kind="$1"
cd "$2"
# The project's files, without the build folders.
files() {
    find . -path './build*' -prune -o -path ./.git -prune -o -type f "$@" -print | sort
}
case "$kind" in
    format)
        files \( -name '*.cpp' -o -name '*.hpp' \) | xargs clang-format --dry-run --Werror
        ;;
    shell)
        # Every file that a shell runs, by its first line.
        files ! -name '*.py' | while read -r file; do
            head -n 1 "$file" | grep -q -E '^#! ?/(usr/)?bin/(env )?(ba)?sh' && echo "$file"
        done | xargs shellcheck --format=gcc
        ;;
    python)
        files -name '*.py' | xargs pyflakes3
        ;;
    *)
        echo "lint.sh: no such check: $kind" >&2
        exit 2
        ;;
esac
echo "$kind: clean"
