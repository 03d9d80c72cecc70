// The hit rule: today's hits stay, written variants hit through folding, near misses do not, and a
// keyword folding to fewer than two characters hits only as written.
#include "text/FoldedHit.h"

#include <gtest/gtest.h>

namespace {

struct HitRow {
    const char16_t *name;
    const char16_t *keyword;
    const char16_t *piece; // nullptr: no hit
};

TEST(FoldedHit, HitsWrittenVariantsAndNoNearMiss)
{
    const HitRow rows[] = {
        {u"東方 紅(live)", u"东方红", u"東方 紅"},
        {u"《东》方·红", u"东方红", u"东》方·红"},
        {u"我愛ＫＴＶ", u"ktv", u"ＫＴＶ"},
        {u"KTV之歌", u"ktv", u"KTV"},          // today's rule: A to Z in either case
        {u"乾隆下江南", u"干隆", u"乾隆"},
        {u"干隆", u"乾隆", u"干隆"},
        {u"後來", u"后来", u"後來"},
        {u"髮如雪", u"发如雪", u"髮如雪"},
        {u"２０４６", u"2046", u"２０４６"},
        {u"东方a红", u"东方红", nullptr},        // a letter, a digit or a changed character between
        {u"东方1红", u"东方红", nullptr},
        {u"东方黄", u"东方红", nullptr},
        {u"我爱你", u"爱!", nullptr},            // folds to one character: only as written
        {u"爱!你", u"爱!", u"爱!"},
        {u"爱你", u"——", nullptr},               // folds to nothing
        {u"——爱你", u"——", u"——"},
    };
    for (const HitRow &row : rows) {
        const QString name = QString::fromUtf16(row.name);
        const text::FoldedKeyword keyword(QString::fromUtf16(row.keyword));
        const text::Span span = text::hitSpan(name, keyword);
        EXPECT_EQ(text::hits(name, keyword), row.piece != nullptr) << name.toStdString();
        EXPECT_EQ(span.isValid() ? name.mid(span.start, span.length) : QString(),
                  row.piece ? QString::fromUtf16(row.piece) : QString())
            << name.toStdString() << " / " << keyword.written.toStdString();
    }
}

} // namespace
