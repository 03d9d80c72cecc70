// The .xlsx writer's files opened by independent readers: openpyxl checks each cell's text and its
// "@" format, gnumeric's ssconvert the texts of every sheet.
#include "tests/xls/XlsReaders.h"
#include "xls/XlsxWorkbook.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using Sheets = QList<xls_readers::Sheet>;

const QStringList kHeader = {u"歌曲名字"_qs, u"歌手名字"_qs, u"歌曲编码"_qs};

struct Case {
    int rowsPerSheet;
    QList<QStringList> rows;  // below the header
    Sheets expected;          // every sheet, its header included
    bool csvSafe = true;      // ssconvert's CSV can carry the texts
};

QList<QStringList> codes(int count)
{
    QList<QStringList> rows;
    for (int i = 0; i < count; ++i)
        rows.push_back({u"东风破"_qs + QString::number(i), u"周杰伦"_qs, QStringLiteral("%1").arg(i, 8, 10, QLatin1Char('0'))});
    return rows;
}

Case sheetsOf(int rowsPerSheet, int count)
{
    Case c{rowsPerSheet, codes(count), {}};
    for (int i = 0; i < count || i == 0; i += rowsPerSheet) {
        c.expected.push_back({kHeader});
        c.expected.back().append(c.rows.mid(i, rowsPerSheet));
    }
    return c;
}

// Control characters XML cannot hold, a text that looks like the escape of one, a zero character,
// and texts longer than a cell holds, also once escaped (cut between whole escapes).
Case awkwardTexts()
{
    const QString nonBmp = QString::fromUtf16(u"\U00020000");
    const QList<QStringList> rows = {
        {u"a\u0001b\u001fc"_qs, u"x\ry"_qs, u"_x0041_"_qs},
        {QStringLiteral("n") + QChar(0) + QStringLiteral("z"), u""_qs, u"00012345"_qs},
        {QString(32766, u'東') + nonBmp, u"=1+1"_qs, u"_x00"_qs},
        {QString(32760, u'a') + u"_x0041_"_qs, QString(32761, u'b') + QChar(0) + u"c"_qs, u"x"_qs},
    };
    Sheets expected{{kHeader}};
    expected[0].append(rows);
    expected[0][3][0] = QString(32766, u'東');  // cut before the pair that would pass 32,767 units
    expected[0][4][0] = QString(32760, u'a') + u'_';  // stored as _x005F_, the cell's last 7 characters
    expected[0][4][1] = QString(32761, u'b');          // _x0000_ would pass the limit
    return {xls::XlsxWorkbook::kMaxRows - 1, rows, expected, false};
}

const std::map<std::string, Case (*)()> kCases = {
    {"HeaderOnly", [] { return sheetsOf(xls::XlsxWorkbook::kMaxRows - 1, 0); }},
    {"SheetsStartWithTheHeader", [] { return sheetsOf(2, 5); }},
    {"AwkwardTexts", awkwardTexts},
};

class XlsxReaders : public ::testing::TestWithParam<std::string> {
protected:
    QTemporaryDir dir;
    QString path;
    Case c;

    void SetUp() override
    {
        c = kCases.at(GetParam())();
        path = dir.filePath(u"book.xlsx"_qs);
        xls::XlsxWorkbook book(kHeader, c.rowsPerSheet);
        for (const QStringList &row : c.rows)
            ASSERT_TRUE(book.appendRow(row)) << book.errorString().toStdString();
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(book.write(file));
    }
};

TEST_P(XlsxReaders, Openpyxl)
{
    if (const QString missing = xls_readers::whyNoOpenpyxl(); !missing.isEmpty())
        GTEST_SKIP() << missing.toStdString();
    EXPECT_EQ(xls_readers::checkWithOpenpyxl(path, c.expected).toStdString(), "");
}

TEST_P(XlsxReaders, Ssconvert)
{
    if (!xls_readers::haveSsconvert() || !c.csvSafe)
        GTEST_SKIP() << "ssconvert is not installed, or its CSV cannot carry these texts";
    EXPECT_EQ(xls_readers::checkWithSsconvert(path, c.expected).toStdString(), "");
}

INSTANTIATE_TEST_SUITE_P(Cases, XlsxReaders, ::testing::Values("HeaderOnly", "SheetsStartWithTheHeader", "AwkwardTexts"),
                         [](const auto &info) { return info.param; });

} // namespace
