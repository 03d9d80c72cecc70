// The detail workbook export of 65,535 and 300,000 songs through the real main window, as .xls and .xlsx.
#include "bench/BenchPrompts.h"
#include "app/MainWindow.h"
#include "export/ui/DetailWorkbookExport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void fill(songs::SongTableModel &table, int count)
{
    songs::SongStore store;
    const QString names[] = {QStringLiteral("月亮代表我的心"), QStringLiteral("東方之珠"), QStringLiteral("青花瓷")};
    for (int i = 0; i < count; ++i) {
        const QString code = QStringLiteral("%1").arg(10000 + i, 8, 10, QLatin1Char('0'));
        const QString file = code + QStringLiteral(".mpg");
        const QString name = names[i % 3] + QString::number(i % 5000);
        const QString cellTexts[] = {name, QStringLiteral("邓丽君"), QStringLiteral("国语"), QStringLiteral("流行"),
                                     QStringLiteral("0"), file, QStringLiteral("HD"), QStringLiteral("MTV"), code};
        songs::SongStore::Cells cells;
        for (int column = 0; column < 9; ++column)
            cells[size_t(column)] = cellTexts[column];
        store.appendRow(cells);
    }
    table.appendRows(std::move(store));
}

// "导出明细Excel" through the real window into the named file, whose extension picks the workbook type.
void exportDetailWorkbook(benchmark::State &state, const QString &fileName)
{
    QTemporaryDir folder;
    bench_support::BenchPrompts prompts;
    bench_support::BenchShell shell;
    prompts.path = folder.filePath(fileName);
    app::MainWindow window({folder.path(), QStringLiteral("http://127.0.0.1:9"), QString(), prompts, shell});
    window.show();
    fill(window.songTable(), int(state.range(0)));
    auto *exporter = window.findChild<exporting::DetailWorkbookExport *>();
    for (auto _ : state)
        exporter->ExportDetailWorkbook();
    state.counters["file_MB"] = double(QFileInfo(prompts.path).size()) / (1 << 20);
}

void BM_ExportDetailWorkbook(benchmark::State &state)
{
    exportDetailWorkbook(state, QStringLiteral("detail.xls"));
}
BENCHMARK(BM_ExportDetailWorkbook)->Arg(65535)->Arg(300000)->Unit(benchmark::kMillisecond)->Iterations(3);

// The same export as .xlsx, and Python's XlsxWriter (constant_memory) writing the same cells in the
// same run, for comparison; and xlwt writing the .xls.
void BM_ExportDetailXlsx(benchmark::State &state)
{
    exportDetailWorkbook(state, QStringLiteral("detail.xlsx"));
}
BENCHMARK(BM_ExportDetailXlsx)->Arg(300000)->Unit(benchmark::kMillisecond)->Iterations(3);

// A Python script writing the same cells into a file of the given name, timed as a whole.
void timePythonScript(benchmark::State &state, const char *script, const QString &fileName, const char *package)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(fileName);
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        const int exitCode = QProcess::execute(QStringLiteral("/usr/bin/python3"),
                                               {QString::fromUtf8(script), QString::number(state.range(0)), path});
        state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
        if (exitCode != 0) {
            state.SkipWithError((std::string("python3 with ") + package + " is needed").c_str());
            break;
        }
    }
    state.counters["file_MB"] = double(QFileInfo(path).size()) / (1 << 20);
}

void BM_PythonXlsxWriterSameCells(benchmark::State &state)
{
    timePythonScript(state, KORVIA_XLSXWRITER_SCRIPT, QStringLiteral("python.xlsx"), "xlsxwriter (python3-xlsxwriter)");
}
BENCHMARK(BM_PythonXlsxWriterSameCells)->Arg(300000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

// Python's xlwt writing the .xls of 65,535 songs, beside BM_ExportDetailWorkbook/65535.
void BM_PythonXlwtSameCells(benchmark::State &state)
{
    timePythonScript(state, KORVIA_XLWT_SCRIPT, QStringLiteral("python.xls"), "xlwt (python3-xlwt)");
}
BENCHMARK(BM_PythonXlwtSameCells)->Arg(65535)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
