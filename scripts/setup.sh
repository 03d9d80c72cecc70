#!/usr/bin/env bash
# Installs every Debian package that building, running and testing the program needs, when missing.
set -euo pipefail

packages=(
  # build
  cmake g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  # the keyword store (SQLite through Qt SQL) and reading an old Access library
  libqt6sql6-sqlite libmdb3 mdbtools-dev
  # a Chinese font for the interface, a virtual display for machines without one
  fonts-wqy-microhei xvfb xauth
  # Qt's own dialogs and buttons in Chinese
  qt6-translations-l10n
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev
  python3 python3-xlrd gnumeric sqlite3 mdbtools
  clang libclang-rt-14-dev
)

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
