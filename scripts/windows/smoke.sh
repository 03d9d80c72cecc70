#!/usr/bin/env bash
# The smoke run of the packaged Windows program (see test.sh), compared with the Linux program.
# SEARCH_FILE may name other search files to use (default: the sample in tests/data).
set -euo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
source "$repo/scripts/windows/common.sh"
require_deps
linux_build=${KORVIA_LINUX_BUILD:-$repo/build}
search_files=("${@:-$repo/tests/data/search-sample.txt}")
work="$win_build/smoke"
rm -rf "$work" && mkdir -p "$work"

if [ ! -x "$linux_build/korvia-code-export" ]; then
  "$repo/scripts/configure.sh" -S "$repo" -B "$linux_build" -DCMAKE_BUILD_TYPE=Release
  cmake --build "$linux_build" --parallel "$(nproc)" --target korvia-code-export
fi

# A fresh Wine prefix knows nothing of the build: no Qt on its path, no plugin folders. Its desktop
# is a folder of the smoke run, not the home folder.
mkdir -p "$work/home"
fresh_wine() { # fresh_wine PREFIX COMMAND...
  env -u WINEPATH -u QT_PLUGIN_PATH -u QT_QPA_PLATFORM -u QT_QPA_FONTDIR HOME="$work/home" \
    WINEPREFIX="$1" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" "${@:2}"
}
drive() { # drive OUTPUT SEARCH_FILE COMMAND...
  xvfb-run -a -s "-screen 0 1280x800x24" python3 "$repo/scripts/windows/smoke.py" "$@"
}
drive_wine() { # drive_wine PREFIX OUTPUT SEARCH_FILE PROGRAM
  fresh_wine "$1" xvfb-run -a -s "-screen 0 1280x800x24" \
    python3 "$repo/scripts/windows/smoke.py" "$2" "$3" wine "$4"
}
same_outputs() { # same_outputs LINUX_FOLDER WINDOWS_FOLDER
  cmp "$1/codes.txt" "$2/codes.txt"
  cmp "$1/details.xls" "$2/details.xls"
  /usr/bin/python3 "$repo/scripts/xls-rows.py" "$2/details.xls" >"$2/details.rows"
  /usr/bin/python3 "$repo/scripts/xls-rows.py" "$1/details.xls" | cmp - "$2/details.rows"
}

echo "== Smoke run: the zip, unpacked"
unzip -q "$dist/korvia-code-export-$version-win64.zip" -d "$work/unpacked"
portable="$work/unpacked/korvia-code-export-$version-win64"

echo "== Smoke run: the setup program, silent, then the installed program"
fresh_wine "$work/prefix-installed" wine "$dist/korvia-code-export-$version-setup.exe" /S
product=Korvia8位编码导出工具
user_folder="$work/prefix-installed/drive_c/users/${USER:-$(id -un)}"
installed="$user_folder/AppData/Local/Programs/$product"
[ -f "$installed/korvia-code-export.exe" ] || { echo "the setup program installed nothing" >&2; exit 1; }
for shortcut in "$user_folder/Desktop/$product.lnk" \
                "$user_folder/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/$product/$product.lnk"; do
  [ -f "$shortcut" ] || { echo "the setup program made no shortcut $shortcut" >&2; exit 1; }
done

for search_file in "${search_files[@]}"; do
  name=$(basename "$search_file" .txt)
  drive "$work/$name/linux" "$search_file" env -u QT_QPA_PLATFORM "$linux_build/korvia-code-export"
  drive_wine "$work/prefix-portable" "$work/$name/zip" "$search_file" "$portable/korvia-code-export.exe"
  same_outputs "$work/$name/linux" "$work/$name/zip"
  drive_wine "$work/prefix-installed" "$work/$name/installed" "$search_file" "$installed/korvia-code-export.exe"
  same_outputs "$work/$name/linux" "$work/$name/installed"
  echo "$name: the Windows program, from the zip and installed, wrote the same files as the Linux program"
done

echo "== The uninstaller leaves the keyword library"
[ -f "$installed/music.mdb" ] || { echo "the installed program made no music.mdb" >&2; exit 1; }
fresh_wine "$work/prefix-installed" wine "$installed/uninstall.exe" /S _?="$(winepath_list "$installed")"
[ -f "$installed/music.mdb" ] && [ ! -e "$installed/korvia-code-export.exe" ] \
  || { echo "the uninstaller removed music.mdb or left the program" >&2; exit 1; }
echo "Smoke run passed."
