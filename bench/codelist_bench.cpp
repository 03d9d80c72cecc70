// Speed of the code list export: the real main window, offscreen, with a song table of export
// size; the export fills its panel and writes the file.
#include "app/MainWindow.h"
#include "bench/BenchPrompts.h"
#include "export/CodeListFile.h"
#include "platform/Prompts.h"
#include "platform/Shell.h"
#include "ui/widgets/ReadOnlyTextBox.h"
#include "songs/SongColumns.h"

#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// Song names of two to seven characters drawn from common ones, and unique 8-digit codes.
songs::SongStore makeSongs(int count)
{
    static const QString kHanzi = QStringLiteral("爱你我的心天一生不是在有人情梦时光月夜风花雨飞想知道走回家来去说好美丽青春快乐");
    quint32 seed = 2024;
    auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return seed >> 8;
    };
    songs::SongStore rows;
    for (int i = 0; i < count; ++i) {
        QString name;
        for (int k = 2 + int(next() % 6); k > 0; --k)
            name += kHanzi[int(next() % kHanzi.size())];
        const QString code = QString::number(10000000 + i * 3);
        songs::SongStore::Cells cells;
        cells[songs::kNameColumn] = name;
        cells[songs::kCodeColumn] = code;
        rows.appendRow(cells);
    }
    return rows;
}

void BM_ExportCodeList(benchmark::State &state)
{
    const int count = int(state.range(0));
    QTemporaryDir folder;
    bench_support::BenchPrompts prompts;
    prompts.path = folder.filePath(QStringLiteral("codes.txt"));
    bench_support::BenchShell shell;
    app::MainWindow window({folder.path(), QStringLiteral("http://127.0.0.1:9"), QString(), prompts, shell});
    window.show();
    window.songTable().appendRows(makeSongs(count));
    QApplication::processEvents();
    auto *command = window.findChild<QPushButton *>(QStringLiteral("按钮2"));

    for (auto _ : state) {
        command->click();
        QApplication::processEvents(); // the boxes' scroll bars and last repaint
    }

    auto *log = window.findChild<ui::ReadOnlyTextBox *>(QStringLiteral("编辑框2"));
    if (QFileInfo(prompts.path).size() != 10 * qint64(count) || prompts.messages != 0
        || log->lines().lineCount() != count + 1)
        state.SkipWithError("the export did not write the expected list");
    state.counters["songs/s"] = benchmark::Counter(double(count), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_ExportCodeList)->Arg(30000)->Arg(300000)->Unit(benchmark::kMillisecond)->Iterations(5);

// The same with accessibility on, as when a screen reader listens and every change is announced
// to it. Needs the accessibility bus: run under Xvfb in a D-Bus session with at-spi-bus-launcher
// started and QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1.
void BM_ExportCodeListWithScreenReader(benchmark::State &state)
{
    // The bridge connects to the accessibility bus in the background.
    QElapsedTimer waited;
    waited.start();
    while (!QAccessible::isActive() && waited.elapsed() < 3000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    if (!QAccessible::isActive()) {
        state.SkipWithError("no accessibility bridge");
        return;
    }
    BM_ExportCodeList(state);
}
BENCHMARK(BM_ExportCodeListWithScreenReader)->Arg(300000)->Unit(benchmark::kMillisecond)->Iterations(5);

// The file alone: 300,000 codes to GBK and onto disk.
void BM_SaveCodeListFile(benchmark::State &state)
{
    QString list;
    for (int i = 0; i < 300000; ++i)
        list += QString::number(10000000 + i * 3) + QStringLiteral("\r\n");
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("codes.txt"));
    for (auto _ : state) {
        exporting::CodeListFile file;
        if (!file.save(path, list))
            state.SkipWithError("the file was not written");
    }
}
BENCHMARK(BM_SaveCodeListFile)->Unit(benchmark::kMillisecond);

// Painting the log box after a large export costs what the lines on screen cost, not the list.
void BM_PaintFullLogBox(benchmark::State &state)
{
    ui::ReadOnlyTextBox box;
    box.resize(429, 248);
    box.show();
    for (int i = 0; i < 300000; ++i)
        box.appendText(QStringLiteral("歌名为（爱你一生）的编码（%1）已经成功导出\r\n").arg(10000000 + i));
    QApplication::processEvents();
    for (auto _ : state)
        benchmark::DoNotOptimize(box.viewport()->grab());
}
BENCHMARK(BM_PaintFullLogBox)->Unit(benchmark::kMicrosecond);

} // namespace
