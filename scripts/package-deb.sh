#!/usr/bin/env bash
# Builds the Debian package: a Release build for /usr in build-deb/, packed by CPack into
# build-deb/korvia-code-export_<version>_<arch>.deb. Install it with `apt-get install ./<that file>`.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/configure.sh -S . -B build-deb -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DKORVIA_BUILD_TESTS=OFF -DKORVIA_BUILD_BENCH=OFF
cmake --build build-deb -j"$(nproc)"
cpack --config build-deb/CPackConfig.cmake -B build-deb
ls -l build-deb/*.deb
