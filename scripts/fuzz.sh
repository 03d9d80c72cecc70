#!/usr/bin/env bash
# The libFuzzer targets, built with clang in build-test/fuzz: search_file (the search-file cutting,
# corpus tests/fuzz/corpus) and access_reader (the Access reader, corpus tests/fuzz/access-corpus).
#   scripts/fuzz.sh --replay            runs every input of both corpora once, the same on every run,
#                                       and fails on a fault (./test does this)
#   scripts/fuzz.sh [seconds] [target]  explores one target (search_file by default) for a while
#                                       (60 seconds by default), starting from its corpus; new inputs
#                                       land in build-test/fuzz/found-TARGET, and
#                                       build-test/fuzz/tests/fuzz/TARGET_fuzzer -merge=1 CORPUS build-test/fuzz/found-TARGET
#                                       adds those that reach new code to the corpus
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-test/fuzz
CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVIA_FUZZ=ON >/dev/null
cmake --build "$build" --target search_file_fuzzer access_reader_fuzzer -j"$(nproc)"

corpus_of() {
  case "$1" in
    search_file) echo tests/fuzz/corpus ;;
    access_reader) echo tests/fuzz/access-corpus ;;
    *) echo "unknown fuzz target: $1" >&2; exit 2 ;;
  esac
}

if [ "${1:-}" = --replay ]; then
  for target in search_file access_reader; do
    corpus=$(corpus_of "$target")
    "$build/tests/fuzz/${target}_fuzzer" "$corpus"/* 2>"$build/replay-$target.log" \
      || { tail -n 40 "$build/replay-$target.log"; echo "An input of the $target fuzz corpus found a fault."; exit 1; }
    echo "Fuzz corpus of $target: $(find "$corpus" -type f | wc -l) inputs replayed without a fault."
  done
  exit 0
fi

target=${2:-search_file}
corpus=$(corpus_of "$target")
options=(-max_len=2048 -dict=tests/fuzz/search_file.dict)
# Access files are made of 4 KB pages; a keyword table needs a few dozen of them.
[ "$target" = access_reader ] && options=(-max_len=262144 -rss_limit_mb=2048 -timeout=10)
mkdir -p "$build/found-$target"
"$build/tests/fuzz/${target}_fuzzer" "$build/found-$target" "$corpus" -max_total_time="${1:-60}" "${options[@]}" \
  2>"$build/last-run-$target.log" || { tail -n 40 "$build/last-run-$target.log"; echo "The fuzz target found a fault."; exit 1; }
echo "Fuzz target $target: $(grep -o 'Done [0-9]* runs' "$build/last-run-$target.log" || echo 'ran') without a fault."
