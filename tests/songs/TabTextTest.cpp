// Rows as tab-separated text, the form spreadsheets paste into cells.
#include "songs/TabText.h"

#include <QStringList>
#include <gtest/gtest.h>

TEST(TabText, RowsBecomeTabSeparatedTextThatKeepsEveryCellWhole)
{
    const QStringList cells = {u"a"_qs, u"tab\there"_qs, u"\"q\" b"_qs, u"line\nbreak"_qs, u"x\"y"_qs, QString()};
    const QString text =
        songs::tabSeparatedRows(2, 3, [&](int row, int column) { return QStringView(cells[row * 3 + column]); });
    EXPECT_EQ(text, u"a\t\"tab\there\"\t\"\"\"q\"\" b\"\r\n\"line\nbreak\"\tx\"y\t\r\n"_qs);
}
