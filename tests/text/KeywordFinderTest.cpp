// The one-pass keyword finder, for first hits and for all hits, agrees with a plain scan.
#include "text/KeywordFinder.h"
#include "text/KeywordMatchRule.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

using text::containsKeyword;
using text::KeywordFinder;

namespace {

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
