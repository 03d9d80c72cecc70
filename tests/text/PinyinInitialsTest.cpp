// Pinyin initials: every modern reading of a character counts, looked up as written; letters and
// digits stand for themselves; what folding drops is skipped; anything else breaks a match.
#include "text/PinyinInitials.h"

#include <QString>

#include <gtest/gtest.h>

namespace {

struct InitialsRow {
    const char16_t *query;
    const char16_t *text;
    bool matches;
};

TEST(PinyinInitials, MatchesConsecutiveCharacters)
{
    const InitialsRow rows[] = {
        {u"cc", u"长城", true},
        {u"zc", u"长城", true},
        {u"c", u"重", true},
        {u"z", u"重", true},
        {u"ql", u"乾隆", true},      // as written, though 乾 folds to 干
        {u"gl", u"乾隆", true},
        {u"dlj", u"邓丽君", true},
        {u"DDEQ", u"大地恩情", true},
        {u"ddeq", u"大地 恩情", true},
        {u"td", u"大地", false},     // 大 is not read tai today
        {u"dqe", u"大地恩情", false},
        {u"djwq", u"ＤＪ舞曲", true},
        {u"2046", u"２０４６", true},
        {u"wa", u"我·爱", true},
        {u"wa", u"我\u3000爱", true},
        {u"wa", u"我!\u0301爱", true}, // a mark on skipped punctuation is skipped too
        {u"wa", u"我1爱", false},
        {u"ab", u"a\xD800" u"b", false},   // an unpaired surrogate stands for nothing
        {u"a1", u"a①", true},
        {u"ml", u"\U0001D40C\U0001D40B", true},
        {u"w a", u"我爱", false},      // not a query of letters
        {u"", u"我爱", false},
    };
    for (const InitialsRow &row : rows) {
        const text::InitialsQuery query(QString::fromUtf16(row.query));
        EXPECT_EQ(query.matches(QString::fromUtf16(row.text)), row.matches)
            << QString::fromUtf16(row.query).toStdString() << " / " << QString::fromUtf16(row.text).toStdString();
    }
}

TEST(PinyinInitials, MatchesQueriesLongerThanOneWord)
{
    const QString name = QStringLiteral("我") + QString(70, u'爱') + QStringLiteral("你");
    EXPECT_TRUE(text::InitialsQuery(QString(70, u'a') + u'n').matches(name));
    EXPECT_FALSE(text::InitialsQuery(QString(71, u'a')).matches(name));
}

} // namespace
