// The pinyin order of lists.
#include "text/PinyinOrder.h"
#include "tests/support/PinyinCollation.h"

#include <gtest/gtest.h>

namespace {
struct Row {
    qint64 id;
    QString name;
};
} // namespace

TEST(PinyinOrder, ChineseNamesByPinyinLettersWithoutRegardToCase)
{
    REQUIRE_PINYIN_ORDER();
    std::vector<Row> rows;
    qint64 id = 0;
    for (const QString &name : {u"青花瓷"_qs, u"爱情"_qs, u"abd"_qs, u"ABC"_qs, u"東方之珠"_qs, u"Abc"_qs, u"白狐"_qs})
        rows.push_back({++id, name});
    text::sortByPinyin(rows, &Row::name);
    QStringList names;
    QList<qint64> ids;
    for (const Row &row : rows) {
        names << row.name;
        ids << row.id;
    }
    EXPECT_EQ(names, (QStringList{u"爱情"_qs, u"白狐"_qs, u"東方之珠"_qs, u"青花瓷"_qs, u"ABC"_qs, u"Abc"_qs, u"abd"_qs}));
    EXPECT_EQ(ids.mid(4, 2), (QList<qint64>{4, 6})) << "names equal but for case keep their order";
}
