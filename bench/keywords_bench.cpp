// Speed of the keyword library on the real controls: loading 10,000 keywords into the list,
// importing a 10,000-line keyword file, searching 1,000 keywords over 300,000 song names, every
// message box answered at once, and listing every song that holds one of 5,000 keywords among
// 300,000 songs.
#include "bench/BenchPrompts.h"
#include "keywords/KeywordListModel.h"
#include "keywords/ui/KeywordFileCommands.h"
#include "app/KeywordControls.h"
#include "keywords/ui/KeywordSearch.h"
#include "keywords/KeywordStore.h"
#include "keywords/ui/KeywordTexts.h"
#include "text/PinyinOrder.h"
#include "songs/QuitRequest.h"
#include "keywords/KeywordStoreFile.h"
#include "platform/Gbk.h"
#include "hits/ui/HitListWindow.h"
#include "songs/ui/BusyGate.h"
#include "songs/ui/SongListView.h"
#include "songs/ui/SongRemoval.h"
#include "songs/SongTableModel.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTreeView>
#include <QWidget>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

// Song names and keywords from two alphabets that share no character, so no keyword hits.
const QString kSongHanzi = u"爱你我的心天一生不是在有人情梦时光月夜风花雨飞想知道走回家来去说好美丽青春快乐中国红海"_qs;
const QString kKeywordHanzi = u"星空山水长城朋友再见笑泪孤单温柔永远自由龙凤虎豹鹰"_qs;

QString pseudoWord(quint32 &seed, const QString &alphabet, int length)
{
    QString text;
    for (int i = 0; i < length; ++i) {
        seed = seed * 1664525u + 1013904223u;
        text += alphabet[int((seed >> 8) % quint32(alphabet.size()))];
    }
    return text;
}

// The real keyword controls on a window, with a song table and a library in a folder of its own.
struct Bench {
    QTemporaryDir folder;
    QWidget window;
    songs::SongTableModel songTable;
    std::unique_ptr<songs::SongListView> songList;
    keywords::KeywordPanel panel;
    bench_support::BenchPrompts prompts{true};
    songs::QuitRequest quit;
    std::unique_ptr<keywords::KeywordStore> store;
    std::unique_ptr<keywords::KeywordSearch> search;
    std::unique_ptr<keywords::KeywordFileCommands> files;

    // With hitEvery > 0, every hitEvery-th song name also holds a keyword (else none does).
    Bench(int keywordCount, int songCount, int hitEvery = 0)
    {
        window.resize(1023, 490);
        panel = app::buildKeywordPanel(&window);
        songList = std::make_unique<songs::SongListView>(&songTable, &window);
        songList->setGeometry(2, 64, 838, 399);

        quint32 seed = 7;
        QList<keywords::KeywordRecord> rows;
        for (int i = 0; i < keywordCount; ++i) {
            const QString name = (i % 5 == 0 ? u"Mix "_qs : QString()) + pseudoWord(seed, kKeywordHanzi, 2 + i % 4)
                                 + QString::number(i);
            rows.append({i + 1, name, i % 3 == 0 ? u"违禁"_qs : u"版权纠纷"_qs});
        }
        keywords::createKeywordStore(folder.filePath(u"music.mdb"_qs), rows);

        songs::SongStore songRows;
        for (int i = 0; i < songCount; ++i) {
            QString name = pseudoWord(seed, kSongHanzi, 2 + i % 9) + (i % 7 == 0 ? u" (Live)"_qs : QString());
            if (hitEvery > 0 && i % hitEvery == 0)
                name += rows[(i / hitEvery) % keywordCount].name.toString().toLower();
            songs::SongStore::Cells cells;
            cells[songs::kNameColumn] = name;
            songRows.appendRow(cells);
        }
        songTable.appendRows(std::move(songRows));
        store = std::make_unique<keywords::KeywordStore>(
            *panel.listModel, folder.path(), quit,
            [this](const keywords::StoreNotice &notice) {
                prompts.messageBox(&window, keywords::text::notice(notice), platform::mb::Ok, QString());
            });
        search = std::make_unique<keywords::KeywordSearch>(*panel.listModel, songTable, prompts, &window);
        // As the main window does with a song found.
        QObject::connect(search.get(), &keywords::KeywordSearch::songFound, songList.get(), [this](int row) {
            songList->selectRow(row);
            songList->showRow(row);
            songList->setFocus();
        });
        files = std::make_unique<keywords::KeywordFileCommands>(panel, *store, prompts, folder.path());
        window.show();
        store->OpenKeywordDatabase();
    }
};

void BM_LoadKeywordList(benchmark::State &state)
{
    Bench bench(int(state.range(0)), 0);
    for (auto _ : state)
        bench.store->LoadKeywordList();
    state.counters["rows"] = bench.panel.listModel->count();
}

// A GBK keyword file of lines "keyword TAB remark", every keyword new to an empty library; the
// import stores them in one transaction and rebuilds the list.
void BM_ImportKeywordFile(benchmark::State &state)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(u"keywords.txt"_qs);
    {
        quint32 seed = 11;
        QString text;
        for (int i = 0; i < state.range(0); ++i)
            text += pseudoWord(seed, kKeywordHanzi, 2 + i % 4) + QString::number(i) + u"\t违禁\r\n"_qs;
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(platform::toGbk(text)) < 0)
            state.SkipWithError("cannot write the keyword file");
    }
    int rows = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto bench = std::make_unique<Bench>(0, 0);
        bench->prompts.path = path;
        state.ResumeTiming();
        bench->files->ImportKeywordFile();
        state.PauseTiming();
        rows = bench->panel.listModel->count();
        bench.reset();
        state.ResumeTiming();
    }
    state.counters["rows"] = rows;
}

void BM_SearchKeywords(benchmark::State &state)
{
    Bench bench(int(state.range(0)), int(state.range(1)));
    for (auto _ : state)
        bench.search->SearchKeywords();
    state.counters["messages per search"] = double(bench.prompts.messages) / double(state.iterations());
}

void BM_SearchSongsForKeyword(benchmark::State &state)
{
    Bench bench(1, int(state.range(0)));
    bench.search->SearchKeywords(); // sets CurrentKeyword to the one keyword
    for (auto _ : state)
        bench.search->SearchSongsForKeyword();
}

// The hit list window, open over songs of which every 20th holds a keyword.
struct HitListBench {
    Bench bench;
    songs::BusyGate busy;
    bench_support::BenchShell shell;
    songs::SongRemoval removal;
    hits::HitListWindow list;

    explicit HitListBench(const benchmark::State &state)
        : bench(int(state.range(0)), int(state.range(1)), 20),
          removal(bench.songTable, *bench.songList, bench.prompts, busy, &bench.window),
          list({*bench.panel.listModel, *bench.store, bench.songTable, bench.prompts, shell, busy, bench.folder.path(),
                removal},
               &bench.window)
    {
        list.show();
    }
};

// Range 2: 1 for the folded rule (the window's default), 0 for the keywords as written.
void BM_ListKeywordHits(benchmark::State &state)
{
    HitListBench hits(state);
    hits.list.findChild<QCheckBox *>()->setChecked(state.range(2) != 0);
    state.SetLabel(state.range(2) ? "folded" : "as written");
    QCoreApplication::processEvents(); // a change of the box finds the hits again, before timing
    for (auto _ : state) {
        hits.list.refresh();
        QCoreApplication::processEvents(); // the list lays out its new rows
    }
    state.counters["hits"] = hits.list.findChild<QTreeView *>()->model()->rowCount();
}

// A click on the song name header: the hits sorted by name, in the user's locale.
void BM_SortKeywordHits(benchmark::State &state)
{
    HitListBench hits(state);
    auto *view = hits.list.findChild<QTreeView *>();
    for (auto _ : state) {
        view->sortByColumn(0, Qt::AscendingOrder);
        QCoreApplication::processEvents();
        state.PauseTiming();
        view->sortByColumn(-1, Qt::AscendingOrder);
        state.ResumeTiming();
    }
}

} // namespace

// 10,000 new keywords pasted from the clipboard into an empty library: one transaction and the
// list rebuilt in pinyin order.
void BM_PasteKeywords(benchmark::State &state)
{
    quint32 seed = 11;
    QString text;
    for (int i = 0; i < state.range(0); ++i)
        text += pseudoWord(seed, kKeywordHanzi, 2 + i % 4) + QString::number(i) + u"\t违禁\r\n"_qs;
    int rows = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto bench = std::make_unique<Bench>(0, 0);
        QGuiApplication::clipboard()->setText(text);
        state.ResumeTiming();
        bench->files->PasteKeywords();
        state.PauseTiming();
        rows = bench->panel.listModel->count();
        bench.reset();
        state.ResumeTiming();
    }
    state.counters["rows"] = rows;
}

void BM_SortByPinyin(benchmark::State &state)
{
    quint32 seed = 13;
    std::vector<keywords::KeywordRow> rows;
    for (int i = 0; i < state.range(0); ++i)
        rows.push_back({i, (i % 5 == 0 ? u"Mix "_qs : QString()) + pseudoWord(seed, kKeywordHanzi, 2 + i % 4), {}});
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<keywords::KeywordRow> copy = rows;
        state.ResumeTiming();
        text::sortByPinyin(copy, &keywords::KeywordRow::name);
        benchmark::DoNotOptimize(copy.data());
    }
}

BENCHMARK(BM_ListKeywordHits)
    ->Args({5000, 300000, 0})
    ->Args({5000, 300000, 1})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_SortKeywordHits)
    ->Args({5000, 300000})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_LoadKeywordList)->Arg(10000)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_ImportKeywordFile)->Arg(10000)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_SearchKeywords)
    ->Args({1000, 300000})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_SearchSongsForKeyword)->Arg(300000)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_PasteKeywords)->Arg(10000)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_SortByPinyin)->Arg(100000)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
