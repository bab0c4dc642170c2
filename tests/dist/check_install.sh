#!/bin/sh
# Installs the build into a staging folder and validates the desktop entry and
# the AppStream metainfo with the freedesktop tools.
set -eu
build="$1"
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

cmake --install "$build" --prefix "$stage/usr" >/dev/null
for file in bin/kolva share/applications/org.kolva.Kolva.desktop \
    share/metainfo/org.kolva.Kolva.metainfo.xml share/doc/kolva/LICENSE; do
    [ -f "$stage/usr/$file" ] || { echo "not installed: $file"; exit 1; }
done
desktop-file-validate "$stage/usr/share/applications/org.kolva.Kolva.desktop"
appstreamcli validate --no-net --pedantic "$stage/usr/share/metainfo/org.kolva.Kolva.metainfo.xml"
echo "install: desktop entry and metainfo valid"
