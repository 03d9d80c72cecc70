#!/usr/bin/env bash
# Installs the build into a temporary folder and checks what the desktop needs: the program, the
# icon at every size, a desktop entry and metainfo that their own validators accept, and the data
# licences.
# usage: check-install.sh CMAKE BUILD_FOLDER APP_ID
set -euo pipefail
cmake=$1 build=$2 id=$3
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

"$cmake" --install "$build" --prefix "$stage/usr" >/dev/null
share=$stage/usr/share
[ -x "$stage/usr/bin/korvia-code-export" ] || { echo "the program is not installed"; exit 1; }
for size in 16 24 32 48 64 128 256; do
  icon=$share/icons/hicolor/${size}x${size}/apps/$id.png
  file -b "$icon" | grep -q "PNG image data, $size x $size," || { echo "no $size pixel icon: $icon"; exit 1; }
done
for notice in Unicode-License.txt OpenCC-Apache-2.0.txt; do
  [ -s "$share/doc/korvia-code-export/notices/$notice" ] || { echo "the notice $notice is not installed"; exit 1; }
done
grep -qx "Icon=$id" "$share/applications/$id.desktop"
desktop-file-validate "$share/applications/$id.desktop"
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml"
