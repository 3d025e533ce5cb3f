#!/usr/bin/env bash
# Installs a build into a temporary prefix and checks what a Linux desktop reads from it: the
# menu entry and the metadata validate, every icon is there at its size, and the program runs.
#   check_install.sh BUILD_DIR APP_ID VERSION
set -euo pipefail
build=$1 id=$2 version=$3

for tool in desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (tools/setup test installs it)"; exit 1; }
done

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

entry=$prefix/share/applications/$id.desktop
metainfo=$prefix/share/metainfo/$id.metainfo.xml
desktop-file-validate "$entry"
appstreamcli validate --no-net "$metainfo"

# The entry must start what was installed and show the icon installed under its name.
grep -qx "Exec=vidorev" "$entry" && [ -x "$prefix/bin/vidorev" ] || { echo "FAIL: Exec does not name bin/vidorev"; exit 1; }
grep -qx "Icon=$id" "$entry" || { echo "FAIL: Icon is not $id"; exit 1; }
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    { echo "FAIL: the metadata does not launch $id.desktop"; exit 1; }
grep -q "<project_license>MIT</project_license>" "$metainfo" || { echo "FAIL: no project licence"; exit 1; }
grep -q "<release version=\"$version\"" "$metainfo" || { echo "FAIL: no release $version"; exit 1; }

[ -s "$prefix/share/icons/hicolor/scalable/apps/$id.svg" ] || { echo "FAIL: no scalable icon"; exit 1; }
for size in 16 24 32 48 64 128 256; do
    png=$prefix/share/icons/hicolor/${size}x$size/apps/$id.png
    [ -f "$png" ] || { echo "FAIL: no $png"; exit 1; }
    # Width and height are the two big-endian words after the PNG signature and chunk head.
    read -r w1 w2 w3 w4 h1 h2 h3 h4 < <(od -An -tu1 -j16 -N8 "$png")
    w=$(((w1 << 24) + (w2 << 16) + (w3 << 8) + w4)) h=$(((h1 << 24) + (h2 << 16) + (h3 << 8) + h4))
    [ "$w x $h" = "$size x $size" ] || { echo "FAIL: $png is $w x $h"; exit 1; }
done

# Sound is a module loaded at the first one, installed where the program looks for it; the
# program itself does not load the audio libraries at start.
[ -n "$(find "$prefix" -name 'libvidorev_wave.so' -path '*/vidorev/*')" ] ||
    { echo "FAIL: the wave-playback module is not installed"; exit 1; }
[ -s "$prefix/share/vidorev/sounds/vidorev-chime.wav" ] ||
    { echo "FAIL: the alarm chime is not installed"; exit 1; }
if readelf -d "$prefix/bin/vidorev" | grep -q 'libQt6Multimedia'; then
    echo "FAIL: the program links Qt Multimedia itself"; exit 1
fi

out=$("$prefix/bin/vidorev" --version)
[ "$out" = "Vidorev $version" ] || { echo "FAIL: --version printed '$out'"; exit 1; }
echo "installed, validated and ran: $out"
