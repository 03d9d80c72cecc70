// Folding 300,000 generated song names (about a third hold a traditional character) on one core, and
// one pass of a pinyin-initials query over their names and singers, as one find step makes it.
#include "bench/SearchFileGenerator.h"
#include "songs/SongColumns.h"
#include "text/Fold.h"
#include "text/PinyinInitials.h"

#include <benchmark/benchmark.h>

namespace {

void BM_FoldNames(benchmark::State &state)
{
    const songs::SongStore &songs = bench_support::generatedSongs(300000);
    QString scratch;
    text::fold(QStringView(u"東"), scratch); // the tables are built once, before timing
    qsizetype changed = 0;
    for (auto _ : state) {
        changed = 0;
        for (qsizetype row = 0; row < songs.rowCount(); ++row) {
            const QStringView name = songs.cell(row, songs::kNameColumn);
            const QStringView folded = text::fold(name, scratch);
            changed += folded.data() != name.data();
            benchmark::DoNotOptimize(folded.data());
        }
    }
    state.counters["names"] = double(songs.rowCount());
    state.counters["changed"] = double(changed);
}
BENCHMARK(BM_FoldNames)->Unit(benchmark::kMillisecond);

// A query no song matches, so every name and singer is looked at.
void BM_InitialsOverNamesAndSingers(benchmark::State &state)
{
    const songs::SongStore &songs = bench_support::generatedSongs(300000);
    const text::InitialsQuery query(u"xqzwk");
    query.matches(u"東");
    qsizetype found = 0;
    for (auto _ : state) {
        found = 0;
        for (qsizetype row = 0; row < songs.rowCount(); ++row) {
            found += query.matches(songs.cell(row, songs::kNameColumn))
                || query.matches(songs.cell(row, songs::kSingerColumn));
        }
        benchmark::DoNotOptimize(found);
    }
    state.counters["found"] = double(found);
}
BENCHMARK(BM_InitialsOverNamesAndSingers)->Unit(benchmark::kMillisecond);

} // namespace
