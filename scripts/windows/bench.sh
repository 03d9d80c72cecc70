#!/usr/bin/env bash
# Runs the benchmarks of each step a venue waits for, in the Linux build and in the Windows build
# under Wine, one after the other on the same machine, and prints both figures side by side.
#   scripts/windows/bench.sh [LINUX_BUILD]   (default build-test/, as ./test builds it)
# The Windows build comes from scripts/windows/build.sh, which builds bench/ when the dependency cache
# has Google Benchmark.
set -euo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
source "$repo/scripts/windows/common.sh"
require_deps
linux_build=${1:-$repo/build-test}
[ -x "$win_build/bench/songs_bench.exe" ] || "$repo/scripts/windows/build.sh"
[ -x "$linux_build/bench/songs_bench" ] \
  || { echo "No Linux benchmarks in $linux_build: run ./test (or build it with -DKORVIA_BUILD_BENCH=ON)." >&2; exit 1; }

# step caption | benchmark program | filter of the one benchmark that times it
steps=(
  "Import, 300,000 lines|songs_bench|^BM_ImportSearchFile/300000"
  "Code list, 300,000 songs|codelist_bench|^BM_ExportCodeList/300000"
  "Workbook .xls, 300,000 songs|workbook_bench|^BM_ExportDetailWorkbook/300000"
  "Workbook .xlsx, 300,000 songs|workbook_bench|^BM_ExportDetailXlsx/300000"
  "Hit list, 5,000 keywords over 300,000 songs|keywords_bench|^BM_ListKeywordHits"
  "Removal, 20,000 of 300,000 songs|removal_bench|^BM_RemoveScatteredSongs"
)

results=$(mktemp -d)
trap 'rm -rf "$results"' EXIT
for entry in "${steps[@]}"; do
  IFS='|' read -r caption program filter <<<"$entry"
  [ -x "$linux_build/bench/$program" ] || continue
  echo "== $caption" >&2
  name=$program.$(echo "$filter" | tr -dc "A-Za-z0-9")
  "$linux_build/bench/$program" --benchmark_filter="$filter" --benchmark_format=json \
    >"$results/$name.linux.json" 2>/dev/null
  # Wine runs the program from the build folder, where it finds the test data as on Linux.
  (cd "$win_build/bench" && "$repo/scripts/windows/wine-run" "./$program.exe" --benchmark_filter="$filter" \
    --benchmark_format=json) >"$results/$name.windows.json" 2>/dev/null
  echo "$caption|$name" >>"$results/steps"
done

python3 - "$results" <<'PY'
import json, sys, os
folder = sys.argv[1]
scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}
def milliseconds(path):
    data = json.load(open(path))
    runs = [b for b in data["benchmarks"] if b.get("run_type") != "aggregate" or b.get("aggregate_name") == "mean"]
    if not runs:
        return None
    run = runs[-1] if any(b.get("aggregate_name") == "mean" for b in runs) else runs[0]
    return run["real_time"] * scale[run["time_unit"]]
print(f"{'step':45} {'Linux':>10} {'Wine':>10} {'Wine/Linux':>10}")
for line in open(os.path.join(folder, "steps")):
    caption, program = line.rstrip("\n").split("|")
    linux = milliseconds(os.path.join(folder, program + ".linux.json"))
    windows = milliseconds(os.path.join(folder, program + ".windows.json"))
    ratio = f"{windows / linux:.2f}x" if linux and windows else "-"
    show = lambda ms: f"{ms:.1f} ms" if ms is not None else "-"
    print(f"{caption:45} {show(linux):>10} {show(windows):>10} {ratio:>10}")
PY
