// The everyday work on a large song list: finding the songs of an earlier code list, undoing a
// removal, and one find step.
#include "bench/BenchPrompts.h"
#include "bench/SearchFileGenerator.h"
#include "songs/SongFind.h"
#include "songs/ui/BusyGate.h"
#include "songs/ExportedCodes.h"
#include "songs/SongTableModel.h"
#include "songs/ui/RemovalHistory.h"
#include "songs/ui/SongListView.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

constexpr int kSongs = 300000;

struct ShownTable {
    ShownTable()
    {
        table.appendRows(songs::SongStore(bench_support::generatedSongs(kSongs)));
        list.resize(838, 399);
        list.show();
        QApplication::processEvents();
    }
    songs::SongTableModel table;
    songs::SongListView list{&table};
    songs::BusyGate busy;
    songs::RemovalHistory history{table, list, busy};
};

// A code list of 300,000 codes (every other one of the table's, and as many it lacks), read from
// its bytes against the table's codes, and looked up for every song.
void BM_FindExportedSongs(benchmark::State &state)
{
    songs::SongTableModel table;
    table.appendRows(songs::SongStore(bench_support::generatedSongs(kSongs)));
    QByteArray codeList;
    for (int row = 0; row < kSongs; ++row)
        codeList += (row % 2 == 0 ? table.cellText(row, songs::kCodeColumn).toLatin1() : "X" + QByteArray::number(row))
                    + "\r\n";
    qsizetype found = 0;
    for (auto _ : state) {
        const songs::ExportedCodes codes = songs::findExportedCodes(codeList, songs::songCodes(table));
        found = songs::rowsWithCodes(table, codes.codes).size();
    }
    state.counters["found"] = double(found);
}

// 20,000 rows spread over the table, removed, then put back; only the undo is timed.
void BM_UndoRemoval(benchmark::State &state)
{
    ShownTable shown;
    QList<int> rows;
    for (int i = 0; i < 20000; ++i)
        rows << i * (kSongs / 20000) + 3;
    for (auto _ : state) {
        state.PauseTiming();
        shown.history.removeSongs(rows);
        QApplication::processEvents();
        state.ResumeTiming();
        shown.history.undoRemoval();
        QApplication::processEvents();
    }
    state.counters["rows"] = shown.table.songCount();
}

// The worst find step: a text no song holds, over every name, singer and code, and the folds of
// every name and singer; with ASCII letters, their initials too.
void BM_FindStep(benchmark::State &state)
{
    songs::SongTableModel table;
    table.appendRows(songs::SongStore(bench_support::generatedSongs(kSongs)));
    const QString text = state.range(0) ? u"xqzwk"_qs : u"不存在的歌Zq"_qs;
    for (auto _ : state)
        benchmark::DoNotOptimize(songs::findSong(table, text, 0, true));
    state.SetLabel(state.range(0) ? "initials included" : "no initials");
}

} // namespace

BENCHMARK(BM_FindExportedSongs)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(BM_UndoRemoval)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(BM_FindStep)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);
