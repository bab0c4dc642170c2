#!/bin/sh
# Installs the build into a staging folder and checks what a desktop finds
# there: the program, the desktop entry and the AppStream metainfo (valid by
# the freedesktop tools), the manual page, and Kolva's icon at every size the
# build draws it at, which the desktop entry's Icon= names.
#   check_install.sh BUILD SIZE...
set -eu
build="$1"
shift
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

cmake --install "$build" --prefix "$stage/usr" >/dev/null
share="$stage/usr/share"
for file in "$stage/usr/bin/kolva" "$share/applications/org.kolva.Kolva.desktop" \
    "$share/metainfo/org.kolva.Kolva.metainfo.xml" "$share/man/man1/kolva.1"; do
    [ -f "$file" ] || { echo "not installed: ${file#"$stage"}"; exit 1; }
done
desktop-file-validate "$share/applications/org.kolva.Kolva.desktop"
"$(dirname "$0")/validate_metainfo.sh" "$share/metainfo/org.kolva.Kolva.metainfo.xml"

icon=$(sed -n 's/^Icon=//p' "$share/applications/org.kolva.Kolva.desktop")
[ -f "$share/icons/hicolor/scalable/apps/$icon.svg" ] ||
    { echo "Icon=$icon has no scalable icon"; exit 1; }
for size in "$@"; do
    png="$share/icons/hicolor/${size}x${size}/apps/$icon.png"
    [ -f "$png" ] || { echo "Icon=$icon has no ${size}x${size} icon"; exit 1; }
    file "$png" | grep -q "PNG image data, $size x $size," ||
        { echo "the ${size}x${size} icon is: $(file -b "$png")"; exit 1; }
done
echo "install: desktop entry and metainfo valid; Icon=$icon at sizes $*"
