// Realistic search files for benchmarks.
#include "bench/SearchFileGenerator.h"

#include "platform/Gbk.h"
#include "songs/SearchFileParser.h"

#include <QRandomGenerator>
#include <QStringList>

#include <map>

namespace bench_support {

namespace {
const QString kSyllables = QStringLiteral("爱情青春时光月亮东方之珠龍鳳榮離開歡樂華夏億萬質朴风雨春秋山水梦想天空星辰海洋");
const QStringList kLanguages = {QStringLiteral("国语"), QStringLiteral("粤语"), QStringLiteral("闽南语"), QStringLiteral("英语")};
const QStringList kCategories = {QStringLiteral("流行"), QStringLiteral("经典老歌"), QStringLiteral("红歌"), QStringLiteral("网络歌曲")};

QString word(QRandomGenerator &random, int minLength, int maxLength)
{
    QString text;
    const int length = int(random.bounded(minLength, maxLength + 1));
    for (int i = 0; i < length; ++i)
        text += kSyllables[int(random.bounded(kSyllables.size()))];
    return text;
}
} // namespace

QByteArray generateSearchFile(int songs, unsigned seed)
{
    QRandomGenerator random(seed);
    QString text = QStringLiteral("歌曲库版本||20240108\r\n\r\n");
    text.reserve(qsizetype(songs) * 200);
    for (int i = 0; i < songs; ++i) {
        const QString code = QStringLiteral("%1").arg(10000 + i, 8, 10, QLatin1Char('0'));
        QStringList fields = {QString::number(random.bounded(-5, 6)), code, code + QStringLiteral(".mpg"),
                              word(random, 2, 7), QStringLiteral("YWWXN"), QString::number(random.bounded(1, 9)),
                              kCategories[int(random.bounded(kCategories.size()))],
                              kLanguages[int(random.bounded(kLanguages.size()))], word(random, 2, 4), QString(),
                              QStringLiteral("PAJM"), QStringLiteral("合唱"), QStringLiteral("港台"),
                              QString::number(random.bounded(1960, 2025)), QStringLiteral("2015-11-06"),
                              QString::number(random.bounded(100000)), QString::number(random.bounded(5000)),
                              QStringLiteral("04:06"), QStringLiteral("0"), QStringLiteral("70"),
                              QStringLiteral("VC-1"), QStringLiteral("AC3"), QStringLiteral("720x480"),
                              QString::number(random.bounded(300000000)), QString::number(random.bounded(30)),
                              QStringLiteral("MTV"), QStringLiteral("S12"), QStringLiteral("演唱会版")};
        const int extra = int(random.bounded(0, 13));
        for (int e = 0; e < extra; ++e)
            fields << word(random, 1, 3);
        text += fields.join(QStringLiteral("||"));
        text += QStringLiteral("\r\n");
    }
    return platform::toGbk(text);
}

const songs::SongStore &generatedSongs(int count)
{
    static std::map<int, songs::SongStore> parsed;
    auto found = parsed.find(count);
    if (found == parsed.end())
        found = parsed.emplace(count, songs::parseSearchFile(generateSearchFile(count)).rows).first;
    return found->second;
}

} // namespace bench_support
