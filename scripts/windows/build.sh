#!/usr/bin/env bash
# Builds the Windows program and every test against the dependency cache (build-deps.sh), then
# packages it (package.sh). The build lands in build-win64/, the packages in dist/.
set -euo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
source "$repo/scripts/windows/common.sh"
require_deps
"$repo/scripts/setup.sh" windows

# Tests are listed when ctest runs, under Wine, rather than while building.
"$repo/scripts/configure.sh" -S "$repo" -B "$win_build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DCMAKE_CROSSCOMPILING_EMULATOR="$repo/scripts/windows/wine-run" \
  -DCMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE=PRE_TEST \
  -DKORVIA_BUILD_TESTS=ON -DKORVIA_BUILD_BENCH=ON -DKORVIA_WARNINGS_AS_ERRORS=ON
cmake --build "$win_build" --parallel "$(nproc)"

"$repo/scripts/windows/package.sh"
