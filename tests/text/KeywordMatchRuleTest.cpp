// Keyword matching: ASCII letters fold, nothing else does.
#include "text/KeywordMatchRule.h"

#include <gtest/gtest.h>

using text::containsKeyword;

TEST(KeywordMatchRule, FoldsOnlyTheLettersAToZ)
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
