// The keyword hits against a plain reference: every song holding any keyword, the keywords and
// remarks per song, and the songs per remark.
#include "hits/KeywordHits.h"
#include "keywords/KeywordListModel.h"
#include "songs/SongTableModel.h"

#include <QMap>
#include <gtest/gtest.h>

using hits::KeywordHits;

namespace {

struct Library {
    keywords::KeywordListModel keywords;
    songs::SongTableModel songs;

    Library(const QList<QPair<QString, QString>> &keywordRows, const QStringList &songNames)
    {
        for (const auto &[name, remark] : keywordRows)
            keywords.appendRow({keywords.count() + 1, name, remark});
        songs::SongStore rows;
        for (const QString &name : songNames) {
            songs::SongStore::Cells cells;
            cells[songs::kNameColumn] = name;
            rows.appendRow(cells);
        }
        songs.appendRows(std::move(rows));
    }
};

// Only A to Z fold, by hand, so that the reference shares nothing with the automaton.
QString folded(QString text)
{
    for (QChar &c : text) {
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + 32);
    }
    return text;
}

struct Expected {
    QList<int> rows;
    QList<QStringList> keywords;
    QList<QStringList> remarks;
    QMap<QString, int> songsPerRemark;
};

Expected reference(const Library &l)
{
    Expected e;
    for (int row = 0; row < l.songs.songCount(); ++row) {
        const QString name = folded(l.songs.cellText(row, 0));
        QStringList keywords;
        QStringList remarks;
        for (int k = 0; k < l.keywords.count(); ++k) {
            const keywords::KeywordRow &keyword = l.keywords.row(k);
            if (keyword.name.isEmpty() || !name.contains(folded(keyword.name)))
                continue;
            keywords << keyword.name;
            if (!remarks.contains(keyword.remark))
                remarks << keyword.remark;
        }
        if (keywords.isEmpty())
            continue;
        e.rows << row;
        e.keywords << keywords;
        e.remarks << remarks;
        for (const QString &remark : remarks)
            ++e.songsPerRemark[remark];
    }
    return e;
}

void expectAgreement(const Library &l)
{
    const Expected e = reference(l);
    const KeywordHits hits = KeywordHits::find(l.keywords, l.songs);
    ASSERT_EQ(hits.count(), e.rows.size());
    for (int h = 0; h < hits.count(); ++h) {
        EXPECT_EQ(hits.songRow(h), e.rows[h]);
        EXPECT_EQ(hits.keywords(h), e.keywords[h]) << "song " << l.songs.cellText(e.rows[h], 0).toStdString();
        EXPECT_EQ(hits.remarks(h), e.remarks[h]);
    }
    QMap<QString, int> counted;
    int previous = INT_MAX;
    for (const hits::RemarkCount &c : hits.remarkCounts()) {
        counted[c.remark] = c.songs;
        EXPECT_LE(c.songs, previous) << "most songs first";
        previous = c.songs;
    }
    EXPECT_EQ(counted, e.songsPerRemark);
}

// Characters whose GBK trail byte is an ASCII letter or '|' (東 96 7C, 華 C8 41), full-width letters,
// mixed case, a keyword inside another, a keyword twice in one name, an empty keyword.
TEST(KeywordHits, AgreeWithAPlainScanOnTheTraps)
{
    const Library l({{u"A"_qs, u"商业"_qs},
                     {u"|"_qs, u"违禁"_qs},
                     {u"東"_qs, u"违禁"_qs},
                     {u"Ａ"_qs, u"版权纠纷"_qs},
                     {u"love"_qs, u"版权纠纷"_qs},
                     {u"LOVE SONG"_qs, u"违禁"_qs},
                     {u""_qs, u"空"_qs},
                     {u"中華"_qs, u""_qs}},
                    {u"東方紅"_qs, u"中華"_qs, u"Ａ计划"_qs, u"My Love Song"_qs, u"love love"_qs, u"青花瓷"_qs,
                     u"a|b"_qs, u"华"_qs});
    expectAgreement(l);

    const KeywordHits hits = KeywordHits::find(l.keywords, l.songs);
    EXPECT_EQ(hits.count(), 6); // 青花瓷 and 华 hold no keyword
    EXPECT_EQ(hits.songRow(2), 2);
    EXPECT_EQ(hits.keywords(2), QStringList{u"Ａ"_qs}) << "a full-width letter is not A";
    EXPECT_EQ(hits.keywords(3), (QStringList{u"love"_qs, u"LOVE SONG"_qs}));
    EXPECT_EQ(hits.remarks(3), (QStringList{u"版权纠纷"_qs, u"违禁"_qs}));
    // 東方紅, My Love Song and a|b: 违禁 counts each song once.
    ASSERT_FALSE(hits.remarkCounts().empty());
    EXPECT_EQ(hits.remarkCounts().front().remark, u"违禁"_qs);
    EXPECT_EQ(hits.remarkCounts().front().songs, 3);
}

} // namespace
