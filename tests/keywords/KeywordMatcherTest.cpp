// Keyword matching: ASCII letters fold, nothing else does; the one-pass finder, for first hits and
// for all hits, agrees with a plain scan.
#include "keywords/KeywordFinder.h"
#include "keywords/KeywordMatchRule.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

using keywords::containsKeyword;
using keywords::KeywordFinder;

namespace {

TEST(KeywordMatcher, FoldsOnlyTheLettersAToZ)
{
    const struct {
        const char16_t *text;
        const char16_t *keyword;
        bool hit;
    } cases[] = {
        {u"青花瓷", u"花", true},                 // one character in the middle
        {u"青花瓷", u"青花瓷", true},
        {u"青花瓷", u"青花瓷的", false},          // longer than the name
        {u"Love Story", u"LOVE s", true},
        {u"love story", u"Love Story", true},
        {u"ＡＢＣ", u"ａｂｃ", false},            // full-width letters compare exactly
        {u"ＡＢＣ", u"ＡＢＣ", true},
        {u"ＡＢＣ", u"abc", false},
        {u"華", u"a", false},                     // GBK C8 41: a letter only as a byte, not as a character
        {u"Ärger", u"ärger", false},              // letters outside A to Z compare exactly
        {u"[a]", u"[A]", true},
        {u"@", u"`", false},                      // the neighbours of A-Z and a-z do not fold
        {u"abc", u"", false},                     // an empty keyword occurs nowhere
        {u"", u"a", false},
        {u"aab", u"ab", true},                    // a false start is not the end of the search
    };
    for (const auto &c : cases) {
        EXPECT_EQ(containsKeyword(QStringView(c.text), QStringView(c.keyword)), c.hit)
            << QString::fromUtf16(c.text).toStdString() << " / " << QString::fromUtf16(c.keyword).toStdString();
    }
}

// The finder must agree with a plain scan on any input, so it is checked against one on many
// random lists built from a small alphabet: overlaps, prefixes, suffixes, repeated and empty
// keywords, keywords found nowhere and case folding all occur.
TEST(KeywordMatcher, FinderAgreesWithAPlainScan)
{
    QRandomGenerator random(20240611);
    const QString alphabet = u"abAB爱情华"_qs;
    auto word = [&](int maxLength) {
        QString text;
        const int length = int(random.bounded(maxLength + 1));
        for (int i = 0; i < length; ++i)
            text += alphabet[int(random.bounded(int(alphabet.size())))];
        return text;
    };
    for (int round = 0; round < 200; ++round) {
        QStringList texts;
        QList<QString> keywords;
        for (int i = 0; i < 20; ++i)
            texts << word(8);
        for (int i = 0; i < 15; ++i)
            keywords << word(4);
        const std::vector<int> hits =
            KeywordFinder(keywords).firstHits(int(texts.size()), [&](int i) { return QStringView(texts[i]); });
        for (int k = 0; k < keywords.size(); ++k) {
            int expected = -1;
            for (int i = 0; i < texts.size() && expected < 0; ++i) {
                if (containsKeyword(texts[i], keywords[k]))
                    expected = i;
            }
            ASSERT_EQ(hits[size_t(k)], expected) << "keyword " << keywords[k].toStdString() << " round " << round;
        }

        std::vector<std::vector<int>> all(size_t(texts.size()));
        KeywordFinder(keywords).allHits(
            int(texts.size()), [&](int i) { return QStringView(texts[i]); },
            [&](int i, const std::vector<int> &found) { all[size_t(i)] = found; });
        for (int i = 0; i < texts.size(); ++i) {
            std::vector<int> expected;
            for (int k = 0; k < keywords.size(); ++k) {
                if (containsKeyword(texts[i], keywords[k]))
                    expected.push_back(k);
            }
            ASSERT_EQ(all[size_t(i)], expected) << "text " << texts[i].toStdString() << " round " << round;
        }
    }
}

} // namespace
