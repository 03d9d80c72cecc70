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
    const KeywordHits hits = KeywordHits::find(l.keywords, l.songs, hits::HitRule::AsWritten);
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

    const KeywordHits hits = KeywordHits::find(l.keywords, l.songs, hits::HitRule::AsWritten);
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

namespace {

// Per song name: the keywords it holds and the pieces they hit under the folded rule, then the
// keywords it holds as written; near misses hold none.
struct FoldedCase {
    const char16_t *name;
    const char16_t *folded;
    const char16_t *pieces;
    const char16_t *asWritten;
};

TEST(KeywordHits, FoldedRowsKeepTodaysHitsAndAddTheWrittenVariants)
{
    const FoldedCase cases[] = {
        {u"东方红", u"东方红", u"东方红", u"东方红"},
        {u"東方 紅", u"东方红、東", u"東方 紅、東", u"東"},
        {u"《东》方·红", u"东方红", u"东》方·红", u""},
        {u"东方·\u0301红", u"东方红", u"东方·\u0301红", u""}, // the accent goes with the dot
        {u"\uE000东方红\uFFFD", u"东方红", u"东方红", u"东方红"},
        {u"我愛ＫＴＶ", u"ktv", u"ＫＴＶ", u""},
        {u"KTV 金曲", u"ktv", u"KTV", u"ktv"},
        {u"爱!情", u"爱!", u"爱!", u"爱!"},
        {u"a——b", u"——", u"——", u"——"},
        {u"东方a红", u"", u"", u""},
        {u"东方1红", u"", u"", u""},
        {u"东方黄", u"", u"", u""},
        {u"爱情", u"", u"", u""},
        {u"东\xD800方红", u"", u"", u""}, // an unpaired surrogate stays, as a character
        {u"ＫＸＴＶ", u"", u"", u""},
    };
    QStringList names;
    for (const FoldedCase &c : cases)
        names << QString::fromUtf16(c.name);
    const Library l({{u"东方红"_qs, u"违禁"_qs},
                     {u"ktv"_qs, u"商业"_qs},
                     {u"爱!"_qs, u"违禁"_qs},
                     {u"——"_qs, u"违禁"_qs},
                     {u"東"_qs, u"版权纠纷"_qs},
                     {u"爱!"_qs, u"商业"_qs}},
                    names);

    for (const hits::HitRule rule : {hits::HitRule::Folded, hits::HitRule::AsWritten}) {
        const KeywordHits hits = KeywordHits::find(l.keywords, l.songs, rule);
        int hit = 0;
        for (int row = 0; row < l.songs.songCount(); ++row) {
            SCOPED_TRACE(names[row].toStdString() + (rule == hits::HitRule::Folded ? " folded" : " as written"));
            const QString expected =
                QString::fromUtf16(rule == hits::HitRule::Folded ? cases[row].folded : cases[row].asWritten);
            if (expected.isEmpty()) {
                EXPECT_TRUE(hit == hits.count() || hits.songRow(hit) != row);
                continue;
            }
            ASSERT_LT(hit, hits.count());
            ASSERT_EQ(hits.songRow(hit), row);
            QStringList keywords = hits.keywords(hit);
            keywords.removeDuplicates(); // 爱! stands twice in the library, with two remarks
            EXPECT_EQ(keywords.join(u'、'), expected);
            if (rule == hits::HitRule::Folded) {
                QStringList pieces = hits.piecesIn(hit, names[row]);
                pieces.removeDuplicates();
                EXPECT_EQ(pieces.join(u'、'), QString::fromUtf16(cases[row].pieces));
            }
            ++hit;
        }
        EXPECT_EQ(hit, hits.count());
        EXPECT_EQ(hits.hitOnlyAsWritten(),
                  rule == hits::HitRule::Folded ? (QStringList{u"爱!"_qs, u"——"_qs, u"東"_qs}) : QStringList());
    }
    // Each song counts once per remark, whichever way its keywords hit.
    const KeywordHits folded = KeywordHits::find(l.keywords, l.songs, hits::HitRule::Folded);
    ASSERT_EQ(folded.remarkCounts().size(), 3u);
    EXPECT_EQ(folded.remarkCounts()[0].remark, u"违禁"_qs);
    EXPECT_EQ(folded.remarkCounts()[0].songs, 7); // five 东方红, 爱!情 and a——b
    EXPECT_EQ(folded.remarkCounts()[1].songs, 3); // 商业: two ktv and 爱!情
}

} // namespace
