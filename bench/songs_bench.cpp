// Import speed and memory of large search files, and scrolling the song list over 300,000 rows.
#include "app/MainWindow.h"
#include "bench/BenchPrompts.h"
#include "bench/SearchFileGenerator.h"
#include "songs/ui/BusyGate.h"
#include "platform/FileDialog.h"
#include "songs/QuitRequest.h"
#include "platform/QtPrompts.h"
#include "songs/ui/SongImport.h"
#include "songs/ui/SongListView.h"
#include "songs/SongTableModel.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QTemporaryDir &folder()
{
    static QTemporaryDir dir;
    return dir;
}

QString searchFilePath(int songs)
{
    const QString path = folder().filePath(QStringLiteral("songs-%1.txt").arg(songs));
    if (!QFile::exists(path)) {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(bench_support::generateSearchFile(songs));
    }
    return path;
}

// Resident memory in kB: current and the peak since the last reset.
long procStatus(const char *key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(qsizetype(strlen(key))).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}

void resetPeak()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

// A file of LF-ended lines, sizeMb large: one line for the import, and at most one row, so the table
// should keep next to nothing of it.
QString lineFeedOnlyFilePath(qsizetype sizeMb)
{
    const QString path = folder().filePath(QStringLiteral("lf-only-%1.txt").arg(sizeMb));
    if (!QFile::exists(path)) {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(QByteArray("a||b||c\n").repeated(sizeMb << 20 >> 3));
    }
    return path;
}

// Imports the file into a fresh table on every iteration. Besides the time: the resident peak while
// importing and, with keeps, kept_MB: the address space the first import still holds afterwards
// (later iterations reuse what the allocator kept from the one before).
void importFile(benchmark::State &state, const QString &path, bool keeps = false)
{
    platform::QtPrompts prompts;
    platform::FileDialog dialog(prompts);
    songs::BusyGate gate;
    const songs::QuitRequest quit;
    double peakOverBaseMb = 0;
    double keptMb = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto table = std::make_unique<songs::SongTableModel>();
        songs::SongImport import(*table, dialog, prompts, gate, quit, nullptr);
        resetPeak();
        const long resident = procStatus("VmRSS:");
        const long reserved = procStatus("VmSize:");
        state.ResumeTiming();

        import.LoadSearchFile(path);

        state.PauseTiming();
        peakOverBaseMb = std::max(peakOverBaseMb, double(procStatus("VmHWM:") - resident) / 1024);
        if (keptMb == 0)
            keptMb = double(procStatus("VmSize:") - reserved) / 1024;
        benchmark::DoNotOptimize(table->songCount());
        table.reset();
        state.ResumeTiming();
    }
    const double fileMb = double(QFile(path).size()) / (1 << 20);
    state.counters["file_MB"] = fileMb;
    state.counters["peak_over_base_MB"] = peakOverBaseMb;
    state.counters["peak_per_file_size"] = peakOverBaseMb / fileMb;
    if (keeps)
        state.counters["kept_MB"] = keptMb;
}

void BM_ImportSearchFile(benchmark::State &state)
{
    importFile(state, searchFilePath(int(state.range(0))));
}
BENCHMARK(BM_ImportSearchFile)->Arg(100000)->Arg(300000)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ImportLineFeedOnlyFile(benchmark::State &state)
{
    importFile(state, lineFeedOnlyFilePath(state.range(0)), true);
}
BENCHMARK(BM_ImportLineFeedOnlyFile)->Arg(300)->Unit(benchmark::kMillisecond)->Iterations(1);

// Through the real main window: from the chosen file to the status line, the rows in the table.
void BM_ImportThroughWindow(benchmark::State &state)
{
    QTemporaryDir programFolder;
    bench_support::BenchPrompts prompts;
    prompts.path = searchFilePath(300000);
    bench_support::BenchShell shell;
    for (auto _ : state) {
        state.PauseTiming();
        auto window = std::make_unique<app::MainWindow>(
            app::AppEnvironment{programFolder.path(), QStringLiteral("http://127.0.0.1:9"), QString(), prompts, shell});
        window->show();
        QApplication::processEvents();
        state.ResumeTiming();
        window->findChild<QPushButton *>(QStringLiteral("按钮1"))->click();
        QApplication::processEvents(); // the status line and the list painted
        state.PauseTiming();
        if (window->findChild<QLabel *>(QStringLiteral("透明标签2"))->text() != QStringLiteral("消息：共分析出歌曲数300002个"))
            state.SkipWithError("the import did not read the whole file");
        window.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ImportThroughWindow)->Unit(benchmark::kMillisecond)->Iterations(3);

// The anchor for the import: iconv decoding the same file, in the same run.
void BM_IconvSameFile(benchmark::State &state)
{
    const QString path = searchFilePath(300000);
    for (auto _ : state) {
        QProcess iconv;
        iconv.setStandardOutputFile(QProcess::nullDevice());
        iconv.start(QStringLiteral("iconv"), {QStringLiteral("-f"), QStringLiteral("GBK"), QStringLiteral("-t"),
                                              QStringLiteral("UTF-8"), path});
        if (!iconv.waitForFinished(60000) || iconv.exitCode() != 0)
            state.SkipWithError("iconv did not decode the file");
    }
}
BENCHMARK(BM_IconvSameFile)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ScrollSongList(benchmark::State &state)
{
    songs::SongTableModel table;
    platform::QtPrompts prompts;
    platform::FileDialog dialog(prompts);
    songs::BusyGate gate;
    const songs::QuitRequest quit;
    songs::SongImport(table, dialog, prompts, gate, quit, nullptr).LoadSearchFile(searchFilePath(300000));
    songs::SongListView view(&table);
    view.resize(838, 399);
    view.show();
    QScrollBar *bar = view.verticalScrollBar();
    int step = 0;
    for (auto _ : state) {
        // Page through the list the way a dragged scroll bar does, painting each position.
        bar->setValue(int((qint64(step++) * 7919 * 97) % (bar->maximum() + 1)));
        benchmark::DoNotOptimize(view.viewport()->grab());
    }
}
BENCHMARK(BM_ScrollSongList)->Unit(benchmark::kMicrosecond);

} // namespace
