// Speed of the .xls writer on song lists of export size: 65,535 rows on one sheet, 300,000 over five.
#include "xls/Workbook.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <array>
#include <vector>

namespace {

using Row = std::array<QString, 9>;

const Row kHeader = {u"编号"_qs, u"歌名"_qs, u"歌手"_qs, u"语种"_qs, u"类别"_qs, u"字数"_qs, u"拼音"_qs, u"版本"_qs, u"音量"_qs};

// A fixed pseudo-random song list: unique 8-digit codes and titles, singers from a pool of a few
// thousand, and short columns with a handful of values repeated over and over.
std::vector<Row> makeSongs(int count)
{
    static const QString kHanzi = u"爱你我的心天一生不是在有人情梦时光月夜风花雨飞想知道走回家来去说好美丽青春快乐中国红海星空山水长城朋友再见笑泪孤单温柔永远自由"_qs;
    static const QString kInitials = u"ANWDXTYSBZYRQMSGYYFHYFXZDZHJLQSHMLQCKLZGHHXKSSCCPYZJXLGDWRYYZY"_qs;
    static const std::array<QString, 6> kLanguages = {u"国语"_qs, u"国语"_qs, u"国语"_qs, u"粤语"_qs, u"闽南语"_qs, u"英语"_qs};
    static const std::array<QString, 5> kKinds = {u"流行"_qs, u"经典"_qs, u"儿歌"_qs, u"民歌"_qs, u"戏曲"_qs};
    static const std::array<QString, 4> kVersions = {u"MTV"_qs, u"原版"_qs, u"演唱会"_qs, u"Live"_qs};
    static const std::array<QString, 3> kVolumes = {u"80"_qs, u"85"_qs, u"0.5"_qs};

    quint32 seed = 12345;
    auto next = [&seed] { seed = seed * 1664525u + 1013904223u; return seed >> 8; };
    auto word = [&](int length, QString *initials) {
        QString text;
        for (int i = 0; i < length; ++i) {
            const int k = int(next() % kHanzi.size());
            text += kHanzi[k];
            if (initials)
                *initials += kInitials[k];
        }
        return text;
    };

    std::vector<QString> singers;
    for (int i = 0; i < 3000; ++i)
        singers.push_back(word(2 + int(next() % 3), nullptr));

    std::vector<Row> rows(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        Row &row = rows[size_t(i)];
        QString initials;
        const int length = 2 + int(next() % 6);
        row[0] = QStringLiteral("%1").arg(10000000 + i * 7, 8, 10, QLatin1Char('0'));
        row[1] = word(length, &initials);
        row[2] = singers[next() % singers.size()];
        row[3] = kLanguages[next() % kLanguages.size()];
        row[4] = kKinds[next() % kKinds.size()];
        row[5] = QString::number(length);
        row[6] = initials;
        row[7] = kVersions[next() % kVersions.size()];
        row[8] = kVolumes[next() % kVolumes.size()];
    }
    return rows;
}

// The export's layout: each sheet a header row and up to 65,535 songs.
xls::Workbook buildWorkbook(const std::vector<Row> &songs)
{
    xls::Workbook book(kHeader);
    for (const Row &song : songs)
        book.appendRow(song);
    return book;
}

void BM_BuildAndSave(benchmark::State &state)
{
    const std::vector<Row> songs = makeSongs(int(state.range(0)));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("songs.xls"));
    for (auto _ : state) {
        const xls::Workbook book = buildWorkbook(songs);
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || !book.write(file) || !file.commit())
            state.SkipWithError("saving failed");
    }
    state.counters["file_bytes"] = double(QFileInfo(path).size());
}

// The same without QSaveFile's flush to disk, which the machine's disk rather than the writer decides.
void BM_BuildAndWrite(benchmark::State &state)
{
    const std::vector<Row> songs = makeSongs(int(state.range(0)));
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("songs.xls")));
    for (auto _ : state) {
        const xls::Workbook book = buildWorkbook(songs);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || !book.write(file))
            state.SkipWithError("write failed");
        file.close();
    }
}

void BM_Build(benchmark::State &state)
{
    const std::vector<Row> songs = makeSongs(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(buildWorkbook(songs));
}

void BM_Encode(benchmark::State &state)
{
    const xls::Workbook book = buildWorkbook(makeSongs(int(state.range(0))));
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        book.write(buffer);
        benchmark::DoNotOptimize(buffer.data().data());
    }
}

void sizes(benchmark::internal::Benchmark *b)
{
    b->Arg(65535)->Arg(300000)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
}

} // namespace

BENCHMARK(BM_BuildAndSave)->Apply(sizes);
BENCHMARK(BM_BuildAndWrite)->Apply(sizes);
BENCHMARK(BM_Build)->Apply(sizes);
BENCHMARK(BM_Encode)->Apply(sizes);

BENCHMARK_MAIN();
