// Taking songs out of a large song table shown in the song list: scattered rows, and the repeated
// codes of a file imported twice.
#include "bench/BenchPrompts.h"
#include "bench/SearchFileGenerator.h"
#include "songs/ui/BusyGate.h"
#include "songs/SongTableModel.h"
#include "songs/ui/SongListView.h"
#include "songs/ui/SongRemoval.h"

#include <QApplication>
#include <QRandomGenerator>
#include <QScrollBar>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <random>

namespace {

constexpr int kSongs = 300000;

// A song table shown in the song list, with the removal commands on it.
struct ShownTable {
    explicit ShownTable(int imports)
    {
        for (int i = 0; i < imports; ++i)
            table.appendRows(songs::SongStore(bench_support::generatedSongs(kSongs)));
        list.resize(838, 399);
        list.show();
        list.verticalScrollBar()->setValue(list.verticalScrollBar()->maximum() / 2);
        QApplication::processEvents();
    }

    songs::SongTableModel table;
    songs::SongListView list{&table};
    bench_support::BenchPrompts prompts{/*answerYes=*/true};
    songs::BusyGate busy;
    songs::SongRemoval removal{table, list, prompts, busy, nullptr};
};

// Distinct rows spread over the whole table, one in every stretch of equal length, in no order, as
// a list of hits might give them.
QList<int> scatteredRows(int count, int of)
{
    QRandomGenerator random(7);
    const int stretch = of / count;
    QList<int> rows;
    for (int i = 0; i < count; ++i)
        rows << i * stretch + int(random.bounded(stretch));
    std::shuffle(rows.begin(), rows.end(), std::mt19937(7));
    return rows;
}

// Includes the view's layout and painting that follow on the next turn of the event loop.
void BM_RemoveScatteredSongs(benchmark::State &state)
{
    const QList<int> rows = scatteredRows(int(state.range(0)), kSongs);
    int removed = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto shown = std::make_unique<ShownTable>(1);
        state.ResumeTiming();

        removed = shown->removal.removeSongs(rows);
        QApplication::processEvents();
        benchmark::DoNotOptimize(shown->list.viewport()->grab());

        state.PauseTiming();
        shown.reset();
        state.ResumeTiming();
    }
    state.counters["removed"] = removed;
}
BENCHMARK(BM_RemoveScatteredSongs)->Arg(20000)->Unit(benchmark::kMillisecond)->Iterations(5);

// Finding the repeated codes, the confirmation (answered at once) and the removal.
void BM_RemoveRepeatedCodes(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto shown = std::make_unique<ShownTable>(2);
        state.ResumeTiming();

        shown->removal.RemoveDuplicateSongs();
        QApplication::processEvents();
        benchmark::DoNotOptimize(shown->list.viewport()->grab());

        state.PauseTiming();
        if (shown->table.songCount() != kSongs)
            state.SkipWithError("the repeated codes were not all removed");
        shown.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RemoveRepeatedCodes)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
