// Reading earlier exports and finding the songs they hold.
#include "songs/ExportedCodes.h"
#include "songs/SongTableModel.h"
#include "tests/songs/NumberedSongs.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

#include <variant>

using songs::SongTableModel;

namespace {
QSet<QString> set(std::initializer_list<const char16_t *> codes)
{
    QSet<QString> result;
    for (const char16_t *code : codes)
        result.insert(QString::fromUtf16(code));
    return result;
}

} // namespace

// Random bytes without a zero byte, with a "||" among them.
QByteArray randomBytes()
{
    QRandomGenerator random(3);
    QByteArray bytes = "||";
    for (int i = 0; i < 3000; ++i)
        bytes += char(random.bounded(1, 256));
    return bytes;
}

TEST(ExportedCodes, ReadsCodeListsAndSearchFilesAndRefusesOtherFiles)
{
    using Problem = songs::ExportedCodes::Problem;
    using Reason = platform::TextFile::Reason;
    using Verdict = std::variant<Reason, Problem>;
    const auto verdictOf = [](const songs::ExportedCodes &read) {
        return read.reading != Reason::Read ? Verdict(read.reading) : Verdict(read.problem);
    };
    const QSet<QString> songCodes =
        set({u"00000001", u"00000002", u"01", u"02", u"03", u"04", u"编码1", u"00000007", u"00000008"});
    const struct {
        const char *name;
        QByteArray bytes;
        QSet<QString> codes;
        Verdict verdict;
    } cases[] = {
        {"CR LF, blank lines, codes the songs lack", "00000001\r\n\r\n00000002\r\n99\r\n",
         set({u"00000001", u"00000002"}), Problem::None},
        {"LF and CR", "01\n02\r03", set({u"01", u"02", u"03"}), Problem::None},
        {"blanks and byte-order marks around codes",
         "\xEF\xBB\xBF"
         "01 \r\n\t02\r\n\xEF\xBB\xBF"
         "03\r\n 04\xE3\x80\x80",
         set({u"01", u"02", u"03", u"04"}), Problem::None},
        {"UTF-8 with BOM",
         "\xEF\xBB\xBF"
         "编码1\r\n",
         set({u"编码1"}), Problem::None},
        {"GBK",
         "\xB1\xE0\xC2\xEB"
         "1\r\n",
         set({u"编码1"}), Problem::None},
        {"search file: field 2, empty codes never", "80||00000007||a||歌\r\n80||||a||空\r\nx||y\r\n",
         set({u"00000007"}), Problem::None},
        {"search file padded with zero bytes", "80||00000008||a||歌\r\n" + QByteArray(100, '\0'), set({u"00000008"}),
         Problem::None},
        {"UTF-16",
         QByteArray("1\0"
                    "2\0"
                    "\r\0\n\0",
                    8),
         {},
         Reason::Utf16},
        {"binary", QByteArray("PK\3\4\0\0\1", 7), {}, Reason::Binary},
        {"random bytes with bars", randomBytes(), {}, Reason::Controls},
        {"prose", "这是一封信\r\nhello world\r\n", {}, Problem::NoCodeLine},
        {"search file without codes", "a||||b\r\n", {}, Problem::NoSongWithCode},
        {"empty", "", {}, Problem::NoCodeLine},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const songs::ExportedCodes read = songs::findExportedCodes(c.bytes, songCodes);
        EXPECT_EQ(read.codes, c.codes);
        EXPECT_EQ(verdictOf(read), c.verdict);
    }
    EXPECT_EQ(songs::findExportedCodes(QStringLiteral("/nonexistent/codes.txt"), songCodes).reading, Reason::Missing);
    EXPECT_EQ(songs::findExportedCodes(QStringLiteral("/"), songCodes).reading, Reason::Folder);
}

TEST(ExportedCodes, TheSongsFoundAreThoseWhoseCodeCellIsACodeExactly)
{
    SongTableModel model;
    model.appendRows(testing_support::numberedSongs(0, 30));
    EXPECT_EQ(songs::rowsWithCodes(model, set({u"0", u"21", u""})), (QList<int>{0, 21}));
}
