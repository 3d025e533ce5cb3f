#!/usr/bin/env bash
# Builds the Debian package of a build folder and checks its head: Depends worked out from the
# linked libraries, maintainer and section, and the program, menu entry and metadata inside.
#   check_deb.sh BUILD_DIR APP_ID
set -euo pipefail
build=$1 id=$2

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 ||
    { cat "$out/cpack.log"; echo "FAIL: cpack"; exit 1; }
debs=("$out"/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: no single .deb"; exit 1; }
deb=${debs[0]}

info=$(dpkg-deb -I "$deb")
echo "$info"
field() { sed -n "s/^ $1: //p" <<<"$info"; }
depends=$(field Depends)
for lib in libqt6widgets6 libqt6dbus6 libqt6multimedia6 libsqlite3-0 libc6; do
    grep -q "\b$lib\b" <<<"$depends" || { echo "FAIL: Depends lacks $lib"; exit 1; }
done
[ -n "$(field Maintainer)" ] && [ -n "$(field Section)" ] && [ -n "$(field Description)" ] ||
    { echo "FAIL: maintainer, section or description missing"; exit 1; }

contents=$(dpkg-deb -c "$deb")
for f in ./usr/bin/vidorev ./usr/share/applications/$id.desktop ./usr/share/metainfo/$id.metainfo.xml \
    ./usr/share/icons/hicolor/48x48/apps/$id.png ./usr/share/doc/vidorev/copyright; do
    grep -q " $f\$" <<<"$contents" || { echo "FAIL: $f is not in the package"; exit 1; }
done
# The licence travels with the package, in the form Debian's tools read.
dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/vidorev/copyright | grep -q '^License: Expat$' ||
    { echo "FAIL: the copyright file does not name the licence"; exit 1; }
[ -n "$(field Homepage)" ] || { echo "FAIL: no Homepage"; exit 1; }
echo "built $(basename "$deb")"
