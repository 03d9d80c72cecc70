// Written files opened by independent readers: xlrd checks each cell's text and its "@" format,
// gnumeric's ssconvert the texts of every sheet.
#include "xls/Workbook.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

using Sheets = std::vector<std::vector<QStringList>>;

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
    {"SpecialTextsInReverseOrder", special},
    {"FullSheet", [] { return songs(65535); }},
    {"FourSheetsWithDifat", [] { return songs(200000); }},
};

// The special texts go in last cell first, the rest in order.
void save(const std::string &name, const Sheets &sheets, const QString &path)
{
    const bool reversed = name == "SpecialTextsInReverseOrder";
    xls::Workbook book;
    for (const std::vector<QStringList> &rows : sheets) {
        const int sheet = book.addWorksheet();
        for (int i = 0; i < int(rows.size()); ++i) {
            const int r = reversed ? int(rows.size()) - 1 - i : i;
            for (int j = 0; j < int(rows[r].size()); ++j) {
                const int c = reversed ? int(rows[r].size()) - 1 - j : j;
                book.setTextCell(sheet, r, c, rows[r][c]);
            }
        }
    }
    ASSERT_TRUE(book.saveAs(path));
}

void writeJson(const Sheets &sheets, const QString &path)
{
    QJsonArray json;
    for (const std::vector<QStringList> &rows : sheets) {
        QJsonArray sheet;
        for (const QStringList &row : rows)
            sheet.append(QJsonArray::fromStringList(row));
        json.append(sheet);
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QJsonDocument(json).toJson(QJsonDocument::Compact));
}

class XlsReaders : public ::testing::TestWithParam<std::string> {
protected:
    QTemporaryDir dir;
    QString xls, expected;

    void SetUp() override
    {
        const Sheets sheets = kCases.at(GetParam())();
        xls = dir.filePath(u"book.xls"_qs);
        expected = dir.filePath(u"expected.json"_qs);
        save(GetParam(), sheets, xls);
        writeJson(sheets, expected);
        if (GetParam() == "FullSheet" || GetParam() == "FourSheetsWithDifat") {
            QFile file(xls);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            EXPECT_GT(qFromLittleEndian<quint32>(file.read(512).constData() + 0x48), 0u) << "the file has DIFAT sectors";
        }
    }

    QString run(const QString &program, const QStringList &arguments)
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"HOME"_qs, dir.path());  // ssconvert keeps settings there
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(program, arguments);
        EXPECT_TRUE(process.waitForFinished(110000));
        const QString output = QString::fromUtf8(process.readAll());
        EXPECT_EQ(process.exitCode(), 0) << output.toStdString();
        return output;
    }
};

// The readers are Linux programs; the Windows build writes the same bytes, compared in its smoke run.
#ifdef Q_OS_WIN
#define SKIP_ON_WINDOWS() GTEST_SKIP() << "Linux only: the readers are Linux programs (python3, ssconvert)"
#else
#define SKIP_ON_WINDOWS() (void)0
#endif

TEST_P(XlsReaders, Xlrd)
{
    SKIP_ON_WINDOWS();
    if (QProcess::execute(u"/usr/bin/python3"_qs, {u"-c"_qs, u"import xlrd"_qs}) != 0)
        GTEST_SKIP() << "xlrd is not installed for /usr/bin/python3";
    run(u"/usr/bin/python3"_qs, {QStringLiteral(XLS_TEST_SCRIPTS "/check_xlrd.py"), xls, expected});
}

TEST_P(XlsReaders, Ssconvert)
{
    SKIP_ON_WINDOWS();
    const QString ssconvert = QStandardPaths::findExecutable(u"ssconvert"_qs);
    if (ssconvert.isEmpty() || !QFile::exists(u"/usr/bin/python3"_qs))
        GTEST_SKIP() << "ssconvert is not installed";
    const QString prefix = dir.filePath(u"sheet.csv"_qs);
    run(ssconvert, {u"--export-type=Gnumeric_stf:stf_csv"_qs, u"-S"_qs, xls, prefix + u".%n"_qs});
    run(u"/usr/bin/python3"_qs, {QStringLiteral(XLS_TEST_SCRIPTS "/check_csv.py"), prefix, expected});
}

INSTANTIATE_TEST_SUITE_P(Cases, XlsReaders, ::testing::Values("HeaderOnly", "OneRow", "SpecialTextsInReverseOrder", "FullSheet", "FourSheetsWithDifat"),
                         [](const auto &info) { return info.param; });

} // namespace
