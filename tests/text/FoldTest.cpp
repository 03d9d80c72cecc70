// Folding: one row per rule and per trap, the same result as normalising the whole text at once, and
// the source of each folded character.
#include "text/Fold.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

struct FoldRow {
    const char16_t *text;
    const char16_t *folded;
};

TEST(Fold, FoldsEachWayOfWritingOneName)
{
    const FoldRow rows[] = {
        {u"東方紅", u"东方红"},
        {u"乾隆", u"干隆"},          // valid in both scripts: the traditional one folds, 干 stays
        {u"後來后", u"后来后"},
        {u"髮發发", u"发发发"},
        {u"著覆", u"着复"},          // pairs OpenCC leaves out
        {u"\uF900", u"岂"},          // a compatibility ideograph: unified form, then simplified
        {u"ＤＪ２０４６", u"dj2046"},
        {u"ABC def", u"abcdef"},
        {u"爱\u3000你", u"爱你"},     // ideographic space
        {u"①⑩", u"110"},
        {u"《东》方·红！", u"东方红"},
        {u"～〜", u""},              // a symbol after NFKC, and punctuation
        {u"——", u""},
        {u"ﬁ", u"fi"},
        {u"e\u0301", u"é"},          // normalisation joins a letter and its accent
        {u"东!\u0301方", u"东方"},   // a mark on dropped punctuation goes with it
        {u"爱\u0301", u"爱\u0301"},  // a mark on a kept character stays
        {u"a\xD800" u"b\xDC00", u"a\xD800" u"b\xDC00"}, // unpaired surrogates are kept
        {u"\U00020000\U0001D400", u"\U00020000a"}, // a pair kept, a mathematical letter normalised
        {u"\uFFFD\uE000\u200B", u"\uE000"}, // replacement character (a symbol), private use, zero width
        {u"한국 ｶﾞ", u"한국ガ"},
    };
    for (const FoldRow &row : rows) {
        const QString text = QString::fromUtf16(row.text);
        EXPECT_EQ(text::fold(text), QString::fromUtf16(row.folded)) << text.toStdString();
        EXPECT_EQ(text::fold(text::fold(text)), text::fold(text)) << text.toStdString();
    }
}

TEST(Fold, ANameThatFoldsToItselfIsNotCopied)
{
    const QString name = QStringLiteral("爱你一万年 love 2046");
    const QString plain = QString::fromUtf8("爱你一万年love2046");
    EXPECT_EQ(text::fold(plain).constData(), plain.constData());
    QString scratch;
    EXPECT_EQ(text::fold(QStringView(plain), scratch).data(), plain.constData());
    EXPECT_EQ(text::fold(QStringView(name), scratch), plain);
    const QString korean = QString::fromUtf8("한국é");
    EXPECT_EQ(text::fold(korean).constData(), korean.constData());
}

// The fold of the whole text normalised at once, then character by character.
QString foldAtOnce(const QString &text)
{
    const QString normalised = text.normalized(QString::NormalizationForm_KC);
    QString folded;
    bool lastDropped = false;
    for (qsizetype i = 0; i < normalised.size(); ++i) {
        const bool pair = normalised[i].isHighSurrogate() && i + 1 < normalised.size()
            && normalised[i + 1].isLowSurrogate();
        const QString character = normalised.mid(i, pair ? 2 : 1);
        const char32_t code = pair ? QChar::surrogateToUcs4(normalised[i], normalised[i + 1]) : normalised[i].unicode();
        i += pair ? 1 : 0;
        const QChar::Category category = QChar::category(code);
        if (category >= QChar::Mark_NonSpacing && category <= QChar::Mark_Enclosing) {
            if (!lastDropped)
                folded += character;
        } else if (text::isDroppedCategory(category)) {
            lastDropped = true;
        } else {
            lastDropped = false;
            folded += pair ? character : text::fold(character);
        }
    }
    return folded;
}

TEST(Fold, EqualsNormalisingTheWholeText)
{
    // Characters that normalisation joins, reorders or splits, beside plain ones.
    const QString pool = QStringLiteral("e\u0301\u0327\u0338=!A東ｶﾞﾟ가\u1100\u1161\u11A8\u09C7\u09BE\u3000①ﬁ\uF900、")
        + QChar(0xD800) + QChar(0xDC00) + QStringLiteral("\U0001D400");
    QRandomGenerator random(7);
    for (int round = 0; round < 20000; ++round) {
        QString text;
        const int length = int(random.bounded(1, 9));
        for (int i = 0; i < length; ++i)
            text += pool[int(random.bounded(pool.size()))];
        const QString folded = foldAtOnce(text);
        ASSERT_EQ(text::fold(text), folded) << text.toStdString();
        // A search passes over a text only when its fold lacks the text sought.
        QString scratch;
        for (qsizetype i = 0; i < folded.size(); ++i)
            ASSERT_TRUE(text::FoldSearch(folded.sliced(i, 1)).foundIn(text, scratch)) << text.toStdString();
    }
    QString scratch;
    EXPECT_FALSE(text::FoldSearch(u"東"_qs).foundIn(u"東方 紅!", scratch));
    EXPECT_FALSE(text::FoldSearch(u"A"_qs).foundIn(u"ＡＢ", scratch));
    EXPECT_TRUE(text::FoldSearch(u"ab"_qs).foundIn(u"ＡＢ", scratch));
    for (char32_t c = 0; c < 0x10000; ++c) {
        const QString one{QChar(char16_t(c))};
        ASSERT_EQ(text::fold(one), foldAtOnce(one)) << int(c);
    }
}

TEST(Fold, KnowsTheSourceOfEachFoldedCharacter)
{
    struct Row {
        const char16_t *text;
        qsizetype start, length; // in the fold
        const char16_t *source;
    } const rows[] = {
        {u"東方 紅", 0, 3, u"東方 紅"},
        {u"《東》方·紅》", 1, 2, u"方·紅"},
        {u"xＤＪ\u3000ｶﾞ!", 1, 3, u"ＤＪ\u3000ｶﾞ"},
        {u"ae\u0301b", 1, 1, u"e\u0301"},
    };
    for (const Row &row : rows) {
        const QString text = QString::fromUtf16(row.text);
        const text::FoldedWithSource folded = text::foldWithSource(text);
        EXPECT_EQ(folded.text, text::fold(text));
        const text::Span span = folded.sourceOf(row.start, row.length);
        EXPECT_EQ(text.mid(span.start, span.length), QString::fromUtf16(row.source)) << text.toStdString();
        EXPECT_EQ(text::sourceOf(text, row.start, row.length), span);
    }
    EXPECT_FALSE(text::sourceOf(u"东方", 1, 2).isValid());
}

} // namespace
