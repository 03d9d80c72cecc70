// The code list file on its own: its bytes per shape of code, names that cannot be written, and
// devices.
#include "export/CodeListFile.h"
#include "songs/SongTableModel.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

using exporting::CodeListFile;

namespace {

struct CodesCase {
    const char *name;
    QStringList codes; // of the table's songs
    int count;         // songs listed, from the first
    QByteArray bytes;
};
void PrintTo(const CodesCase &c, std::ostream *out)
{
    *out << c.name;
}

class CodeListBytes : public ::testing::TestWithParam<CodesCase> {};

TEST_P(CodeListBytes, HoldEachCodeAsStoredInGbkWithCrLf)
{
    songs::SongStore rows;
    for (const QString &code : GetParam().codes) {
        songs::SongStore::Cells cells;
        cells[songs::kNameColumn] = u"歌"_qs;
        cells[songs::kCodeColumn] = code;
        rows.appendRow(cells);
    }
    songs::SongTableModel table;
    table.appendRows(std::move(rows));
    EXPECT_EQ(exporting::codeListBytes(exporting::codeListText(table, GetParam().count)), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, CodeListBytes,
    ::testing::Values(CodesCase{"NoSongs", {}, 0, {}}, CodesCase{"LeadingZeros", {u"00000001"_qs}, 1, "00000001\r\n"},
                      CodesCase{"ShortAndLongKeptAsTheyAre", {u"123"_qs, u"1234567890"_qs}, 2, "123\r\n1234567890\r\n"},
                      CodesCase{"EmptyCodeKeepsItsLine", {QString(), u"2"_qs}, 2, "\r\n2\r\n"},
                      CodesCase{"LettersAndBlanks", {u"AB 12-34"_qs}, 1, "AB 12-34\r\n"},
                      CodesCase{"ChineseInGbk", {u"编码"_qs}, 1, "\xB1\xE0\xC2\xEB\r\n"},
                      CodesCase{"NoGbkFormBecomesAQuestionMark", {u"\uC0AC1"_qs}, 1, "?1\r\n"},
                      CodesCase{"OnlyTheFirstCount", {u"1"_qs, u"2"_qs, u"3"_qs}, 2, "1\r\n2\r\n"}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace

TEST(CodeListFile, ANameThatCannotBeCreatedIsReportedAndCreatesNothing)
{
    QTemporaryDir folder;
    const QString plainFile = folder.filePath(QStringLiteral("plain.txt"));
    QFile plain(plainFile);
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    using Reason = platform::FileFailure::Reason;
    struct Case {
        const char *name;
        QString path;
        Reason reason;
    };
    const Case cases[] = {
        {"missing_folder", folder.filePath(QStringLiteral("gone/codes.txt")), Reason::MissingFolder},
        {"folder_as_name", folder.path(), Reason::Folder},
        {"file_as_folder", plainFile + QStringLiteral("/codes.txt"), Reason::PathNotFolder},
    };
    for (const Case &c : cases) {
        CodeListFile file;
        EXPECT_FALSE(file.save(c.path, u"12345678\r\n")) << c.name;
        EXPECT_EQ(file.failure().reason, c.reason) << c.name << ": " << file.errorString().toStdString();
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{u"plain.txt"_qs});
}

// /dev/full is covered through the window (CodeListExport.AFullDiskIsReported).
TEST(CodeListFile, DevicesAreWrittenIntoAndPipesRefused)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << "Linux only: needs /dev/null and a named pipe (mkfifo)";
#else
    CodeListFile file;
    EXPECT_TRUE(file.save(QStringLiteral("/dev/null"), u"12345678\r\n"));
    QTemporaryDir folder;
    const QString pipe = folder.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    EXPECT_FALSE(file.save(pipe, u"12345678\r\n")) << "a pipe without a reader would wait for ever";
#endif
}
