// The Access reader over the 20,000-keyword library: the whole read, file opening included.
#include "keywords/AccessConversion.h"

#include <QFile>
#include <benchmark/benchmark.h>

namespace {

void BM_ReadAccessLibrary(benchmark::State &state)
{
    const QString path = QStringLiteral(KORVIA_ACCESS_FIXTURES "/s1-jet4-v2000-20000-rows.mdb");
    if (!QFile::exists(path)) {
        state.SkipWithError("the Access fixture is missing");
        return;
    }
    qsizetype rows = 0;
    for (auto _ : state) {
        const keywords::AccessKeywords read = keywords::readAccessLibrary(path);
        rows = read.rows.size();
        benchmark::DoNotOptimize(read.rows.data());
    }
    state.counters["rows"] = double(rows);
}

} // namespace

BENCHMARK(BM_ReadAccessLibrary)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
