// Written files opened by independent readers: xlrd checks each cell's text and its "@" format,
// gnumeric's ssconvert the texts of every sheet.
#include "tests/xls/XlsReaders.h"
#include "xls/Workbook.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

using Sheets = QList<xls_readers::Sheet>;

const QStringList kHeader = {u"编号"_qs, u"歌名"_qs, u"歌手"_qs, u"语种"_qs, u"类别"_qs, u"字数"_qs, u"拼音"_qs, u"版本"_qs, u"备注"_qs};

Sheets songs(int count)
{
    const QStringList names = {u"東風破"_qs, u"吻別"_qs, u"Hotel California"_qs, u"月亮代表我的心"_qs, u"海闊天空"_qs};
    Sheets sheets;
    for (int i = 0; i < count; ++i) {
        if (i % (xls::Workbook::kMaxRows - 1) == 0)
            sheets.push_back({kHeader});
        sheets.back().push_back({QStringLiteral("%1").arg(i, 8, 10, QLatin1Char('0')), names[i % 5] + QString::number(i % 977), u"張學友"_qs,
                                 i % 3 ? u"国语"_qs : u"粤语"_qs, u"流行"_qs, QString::number(i % 9 + 1), u"DFP"_qs, u"MTV"_qs, i % 4 ? u""_qs : u"0.5"_qs});
    }
    return sheets;
}

// Texts a reader might take for something else than text, cut, or split wrongly.
Sheets special()
{
    const QString nonBmp = QString::fromUtf16(u"\U00020000");
    return {{kHeader,
             {u"張學友"_qs, u"東"_qs, u"00012345"_qs, u"0.5"_qs, u"-3"_qs, u"1E5"_qs, u"=1+1"_qs, u""_qs, nonBmp},
             {QString(20000, u'東'), QString(9000, u'x'), u"a"_qs + nonBmp + u"b"_qs, u"\u00ff\u00e9"_qs, u" lead"_qs, u"'q"_qs,
              u"\"quoted\""_qs, u"a,b"_qs, u"TRUE"_qs}}};
}

const std::map<std::string, Sheets (*)()> kCases = {
    {"HeaderOnly", [] { return Sheets{{kHeader}}; }},
    {"OneRow", [] { return songs(1); }},
    {"SpecialTexts", special},
    {"FullSheet", [] { return songs(65535); }},
    {"FourSheetsWithDifat", [] { return songs(200000); }},
};

void save(const Sheets &sheets, const QString &path)
{
    // Every case's sheets start with kHeader, where the workbook starts its own sheets.
    xls::Workbook book(kHeader);
    for (const xls_readers::Sheet &rows : sheets) {
        for (qsizetype row = 1; row < rows.size(); ++row)
            book.appendRow(rows[row]);
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(book.write(file));
}

class XlsReaders : public ::testing::TestWithParam<std::string> {
protected:
    QTemporaryDir dir;
    QString xls;
    Sheets sheets;

    void SetUp() override
    {
        sheets = kCases.at(GetParam())();
        xls = dir.filePath(u"book.xls"_qs);
        save(sheets, xls);
        if (GetParam() == "FullSheet" || GetParam() == "FourSheetsWithDifat") {
            QFile file(xls);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            EXPECT_GT(qFromLittleEndian<quint32>(file.read(512).constData() + 0x48), 0u) << "the file has DIFAT sectors";
        }
    }
};

// Both readers are Linux programs: on Windows the cases are skipped, saying so, and the same bytes
// are compared in the Windows smoke run.
TEST_P(XlsReaders, Xlrd)
{
    if (const QString missing = xls_readers::whyNoXlrd(); !missing.isEmpty())
        GTEST_SKIP() << missing.toStdString();
    EXPECT_EQ(xls_readers::checkWithXlrd(xls, sheets).toStdString(), "");
}

TEST_P(XlsReaders, Ssconvert)
{
    if (!xls_readers::haveSsconvert())
        GTEST_SKIP() << "ssconvert is not installed";
    EXPECT_EQ(xls_readers::checkWithSsconvert(xls, sheets).toStdString(), "");
}

INSTANTIATE_TEST_SUITE_P(Cases, XlsReaders, ::testing::Values("HeaderOnly", "OneRow", "SpecialTexts", "FullSheet", "FourSheetsWithDifat"),
                         [](const auto &info) { return info.param; });

} // namespace
