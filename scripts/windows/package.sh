#!/usr/bin/env bash
# Packages the Windows build (build.sh) for users, in dist/:
#   korvia-code-export-<version>-win64.zip   a folder that runs on a Windows PC with nothing else installed,
#                                            with the data licences in notices/
#   korvia-code-export-<version>-setup.exe   an installer (NSIS) with Start-menu entry, desktop shortcut
#                                            and an uninstaller that leaves the user's music.mdb
# <version> is the project version's major.minor, as in the window title.
set -euo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
source "$repo/scripts/windows/common.sh"
require_deps

name=korvia-code-export-$version-win64
stage="$dist/$name"
rm -rf "$stage" "$dist/$name.zip" "$dist/korvia-code-export-$version-setup.exe"
mkdir -p "$stage/translations"

install -m 644 "$win_build/korvia-code-export.exe" "$stage/"
x86_64-w64-mingw32-strip "$stage/korvia-code-export.exe"

# The plugins the program loads: the Windows platform and style, the SQL driver of the keyword
# library (SQLite), the news picture's JPEG, HTTP's TLS backend. Old Access libraries are read by the program
# itself.
for plugin in platforms/qwindows styles/qwindowsvistastyle sqldrivers/qsqlite \
              imageformats/qjpeg tls/qschannelbackend; do
  mkdir -p "$stage/$(dirname "$plugin")"
  install -m 644 "$cache/qt/plugins/$plugin.dll" "$stage/$plugin.dll"
done

# Every DLL these need, followed through their imports: Qt's from the cache, MinGW's runtime from
# the compiler. What neither has must be part of Windows itself.
providers=("$cache/qt/bin" ${mingw_runtime_dirs//:/ })
declare -A seen=()
pending=("$stage/korvia-code-export.exe" "$stage"/*/*.dll)
while [ ${#pending[@]} -gt 0 ]; do
  file=${pending[0]}; pending=("${pending[@]:1}")
  while read -r dll; do
    key=${dll,,}
    [ -n "${seen[$key]:-}" ] && continue
    seen[$key]=1
    for dir in "${providers[@]}"; do
      if [ -f "$dir/$dll" ]; then
        install -m 644 "$dir/$dll" "$stage/$dll"
        pending+=("$stage/$dll")
        break
      fi
    done
  done < <(x86_64-w64-mingw32-objdump -p "$file" | sed -n 's/^\s*DLL Name: //p')
done
x86_64-w64-mingw32-strip --strip-unneeded "$stage"/*.dll "$stage"/*/*.dll

# Qt's own texts in Chinese (the same files as on Linux), and paths relative to the program folder,
# so nothing points back at this machine.
install -m 644 /usr/share/qt6/translations/qtbase_zh_CN.qm "$stage/translations/"
printf '[Paths]\r\nPrefix = .\r\nPlugins = .\r\nTranslations = translations\r\n' >"$stage/qt.conf"
# The licences of the Unicode and OpenCC data the character tables are made from, with Windows line
# ends; the installer takes them with the rest of the folder.
mkdir -p "$stage/notices"
for notice in "$repo"/packaging/notices/*.txt; do
  sed 's/$/\r/' "$notice" >"$stage/notices/$(basename "$notice")"
done

(cd "$dist" && zip -q -r -X "$name.zip" "$name")

# The installer removes exactly what it installed.
files_nsh="$dist/installed-files.nsh"
(cd "$stage" && find . -type f | sed 's|^\./||' | sort | while read -r f; do
  printf 'Delete "$INSTDIR\\%s"\n' "${f//\//\\}"; done
 cd "$stage" && find . -mindepth 1 -type d | sed 's|^\./||' | sort -r | while read -r d; do
  printf 'RMDir "$INSTDIR\\%s"\n' "${d//\//\\}"; done) >"$files_nsh"
makensis -V2 -INPUTCHARSET UTF8 \
  -DVERSION="$version" -DFULL_VERSION="$full_version" -DSTAGE="$stage" -DFILES_NSH="$files_nsh" \
  -DICON="$repo/app/resources/korvia.ico" \
  -DOUTFILE="$dist/korvia-code-export-$version-setup.exe" \
  "$repo/scripts/windows/installer.nsi"
rm -f "$files_nsh"

echo "Packages:"
ls -l "$dist/$name.zip" "$dist/korvia-code-export-$version-setup.exe"
