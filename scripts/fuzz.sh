#!/usr/bin/env bash
# The libFuzzer target for the search-file cutting, built with clang in build-test/fuzz.
#   scripts/fuzz.sh --replay   runs every input of tests/fuzz/corpus once, the same on every run,
#                              and fails on a fault (./test does this)
#   scripts/fuzz.sh [seconds]  explores for a while (60 seconds by default), starting from the
#                              corpus; new inputs land in build-test/fuzz/found, and
#                              build-test/fuzz/tests/fuzz/search_file_fuzzer -merge=1 tests/fuzz/corpus build-test/fuzz/found
#                              adds those that reach new code to the corpus
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-test/fuzz
CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVIA_FUZZ=ON >/dev/null
cmake --build "$build" --target search_file_fuzzer -j"$(nproc)"
fuzzer="$build/tests/fuzz/search_file_fuzzer"
corpus=tests/fuzz/corpus

if [ "${1:-}" = --replay ]; then
  "$fuzzer" "$corpus"/* 2>"$build/replay.log" \
    || { tail -n 40 "$build/replay.log"; echo "An input of the fuzz corpus found a fault."; exit 1; }
  echo "Fuzz corpus: $(find "$corpus" -type f | wc -l) inputs replayed without a fault."
  exit 0
fi

mkdir -p "$build/found"
"$fuzzer" "$build/found" "$corpus" -max_total_time="${1:-60}" -max_len=2048 -dict=tests/fuzz/search_file.dict \
  2>"$build/last-run.log" || { tail -n 40 "$build/last-run.log"; echo "The fuzz target found a fault."; exit 1; }
echo "Fuzz target: $(grep -o 'Done [0-9]* runs' "$build/last-run.log" || echo 'ran') without a fault."
