#!/usr/bin/env bash
# Runs the Windows build's whole test suite under Wine (offscreen), then a smoke run: the packaged
# program, unpacked from the zip and installed by the setup program, each under Wine in a fresh Wine
# prefix and a virtual display, imports a search file and writes both exports; the files must equal
# those the Linux program writes from the same search file.
set -euo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
source "$repo/scripts/windows/common.sh"
require_deps
[ -f "$win_build/build.ninja" ] && [ -f "$dist/korvia-code-export-$version-win64.zip" ] \
  || "$repo/scripts/windows/build.sh"

echo "== The Wine prefix of the tests"
# Made once before the tests start side by side: the first programs to start in a missing prefix all
# wait on its creation, which has taken two minutes and once hung.
timeout 600 "$repo/scripts/windows/wine-run" wineboot --init
WINEPREFIX="${WINEPREFIX:-$win_build/wine-prefix}" timeout 300 wineserver --wait

echo "== The test suite under Wine"
# No test takes more than a few seconds under Wine; one that Wine itself hangs gets one more go.
ctest --test-dir "$win_build" --output-on-failure -j"$(nproc)" --timeout 300 --repeat after-timeout:2 "$@"

"$repo/scripts/windows/smoke.sh"
