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

echo "== The Wine session of the tests"
# Wine's first program in a session starts the session's server and Wine's own services, and they all
# keep that program's standard error open until the session ends: under ctest, the test that started
# a session would not end until the timeout. So one session, kept up until this script ends, is
# started here with its output in a log, and every test joins it. Making the prefix here also spares
# the first tests the wait on its creation, which has taken two minutes.
export WINEPREFIX="${WINEPREFIX:-$win_build/wine-prefix}"
mkdir -p "$WINEPREFIX"
wine_log="$win_build/wine-session.log"
wineserver -k 2>/dev/null || true
wineserver --persistent </dev/null >"$wine_log" 2>&1
trap 'wineserver -k 2>/dev/null || true' EXIT
timeout 600 "$repo/scripts/windows/wine-run" wineboot --init </dev/null >>"$wine_log" 2>&1

echo "== The test suite under Wine"
# No test takes more than a few seconds under Wine; one that Wine itself hangs gets one more go.
ctest --test-dir "$win_build" --output-on-failure -j"$(nproc)" --timeout 300 --repeat after-timeout:2 "$@"

"$repo/scripts/windows/smoke.sh"
