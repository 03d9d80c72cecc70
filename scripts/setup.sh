#!/usr/bin/env bash
# Installs the Debian packages a build needs, when missing. Every package the project uses is listed
# here, once, in its group: `scripts/setup.sh` installs the Linux group, `scripts/setup.sh windows`
# the group for cross-building and testing the Windows program.
set -euo pipefail

linux_packages=(
  # build
  cmake g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  # the keyword store (SQLite through Qt SQL)
  libqt6sql6-sqlite
  # the .xlsx workbooks
  libxlsxwriter-dev
  # a Chinese font for the interface, a virtual display for machines without one
  fonts-wqy-microhei xvfb xauth
  # Qt's own dialogs and buttons in Chinese
  qt6-translations-l10n
  # the .deb (CPack finds library dependencies with dpkg-shlibdeps, which needs file) and checking the
  # desktop entry and metainfo it installs
  dpkg-dev file desktop-file-utils appstream
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev
  python3 python3-xlrd gnumeric sqlite3
  # reading .xlsx workbooks back, and the Python writers the workbook bench compares with
  python3-openpyxl python3-xlsxwriter python3-xlwt
  clang libclang-rt-14-dev
  # the sources of the character tables in text/data, regenerated and compared in the tests
  opencc libopencc-data unicode-data
)

windows_packages=(
  # the MinGW-w64 cross compilers (the -posix variant: Qt needs std::thread) and the build tool
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 ninja-build
  # fetching and unpacking Debian's source packages of Qt and SQLite (dpkg-dev, above); SQLite's
  # amalgamation needs tcl
  tcl
  # zlib for the Windows build of libxlsxwriter
  libz-mingw-w64-dev
  # running the Windows program and its tests
  wine wine64
  # packaging: the zip and the setup program
  zip unzip nsis
  # the smoke run that drives the packaged program in a virtual display
  xdotool x11-apps
)

case "${1:-linux}" in
  linux) packages=("${linux_packages[@]}") ;;
  windows) packages=("${linux_packages[@]}" "${windows_packages[@]}") ;;
  *) echo "usage: $0 [linux|windows]" >&2; exit 2 ;;
esac

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  as_root=()
elif command -v sudo >/dev/null 2>&1; then
  as_root=(sudo)
else
  echo "These packages are missing and installing them needs root (or sudo): ${missing[*]}" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update
"${as_root[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
