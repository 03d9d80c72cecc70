#!/usr/bin/env bash
# Remakes the README's screenshots (docs/screenshots/*.png): the real main window under a virtual
# display, with the songs of tests/data/search-sample.txt imported, then after a code list export,
# and the keyword hit list over those songs.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
build=${KORVIA_BUILD_DIR:-build}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)" --target korvia-screenshots
mkdir -p docs/screenshots
xvfb-run -a -s "-screen 0 1280x800x24" \
  "$build/packaging/linux/korvia-screenshots" tests/data/search-sample.txt docs/screenshots
echo "Written: docs/screenshots/main-window.png, docs/screenshots/export-panel.png, docs/screenshots/hit-list.png"
