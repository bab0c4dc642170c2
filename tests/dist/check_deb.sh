#!/bin/sh
# Checks Kolva's Debian packages, as a .changes file lists them: the program
# reports the package's version and is built with Debian's hardening (full
# RELRO with BIND_NOW, fortified functions, the stack protector), and lintian
# finds nothing against Debian's policy in the source or the binary packages,
# pedantic notes and information included, but for what waits on a public
# home (below).
#   check_deb.sh CHANGES
set -eu
changes="$1"
deb="${changes%.changes}.deb"
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb --extract "$deb" "$root"
program="$root/usr/bin/kolva"
version=$(dpkg-deb --field "$deb" Version)
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY "$program" --version)" = "kolva $version" ] ||
    { echo "kolva --version does not say $version"; exit 1; }
readelf --dynamic "$program" | grep -q 'FLAGS.*BIND_NOW' || { echo "no BIND_NOW"; exit 1; }
readelf --program-headers "$program" | grep -q GNU_RELRO || { echo "no RELRO"; exit 1; }
symbols=$(readelf --dyn-syms --wide "$program")
echo "$symbols" | grep -q '__[a-z]*_chk@' || { echo "no fortified functions"; exit 1; }
echo "$symbols" | grep -q '__stack_chk_fail@' || { echo "no stack protector"; exit 1; }
# Everything lintian says is shown; two findings are no fault of the package:
# - appstream-metadata-validation-failed (Debian 13): AppStream 1.0 wants the
#   metainfo to name a homepage, and Kolva has no public home yet. Every other
#   finding of AppStream's fails validate_metainfo.sh, which the build's
#   tests run on the metainfo.
# - newer-standards-version (Debian 12): its lintian knows Debian's policy up
#   to 4.6.2; the package follows 4.7.2, today's stable release's.
lintian --pedantic --display-info --tag-display-limit 0 "$changes" >"$root/lintian" || true
cat "$root/lintian"
if grep -v -E '^[EWIPX]: [^ :]+( source)?: (appstream-metadata-validation-failed|newer-standards-version) ' \
    "$root/lintian" | grep -q .; then
    echo "lintian reports the above on $(basename "$changes")"
    exit 1
fi
echo "package: $(basename "$deb") $version hardened; lintian reports nothing else"
