// Search-file bytes to song rows: field-to-column mapping, records, encodings and bad input.
#include "platform/Gbk.h"
#include "songs/SearchFileParser.h"
#include "tests/support/SearchRecord.h"

#include <QDateTime>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using testing_support::searchRecord;

namespace {

QStringList rowOf(const songs::SongStore &rows, qsizetype row)
{
    QStringList cells;
    for (int column = 0; column < songs::kColumnCount; ++column)
        cells << rows.cell(row, column).toString();
    return cells;
}

songs::ParsedSearchFile parse(const QString &text)
{
    return songs::parseSearchFile(platform::toGbk(text));
}

const QStringList kRow = {QStringLiteral("龍鳳榮離開"), QStringLiteral("歌手"), QStringLiteral("国语"),
                          QStringLiteral("流行"),      QStringLiteral("-3"),   QStringLiteral("a.mpg"),
                          QStringLiteral("HD"),        QStringLiteral("MTV"),  QStringLiteral("00010613")};

TEST(SearchFileRecords, TwentyEightFieldsFillTheNineColumns)
{
    const auto parsed = parse(searchRecord(kRow));
    ASSERT_EQ(parsed.rows.rowCount(), 1);
    EXPECT_EQ(rowOf(parsed.rows, 0), kRow);
    EXPECT_EQ(parsed.lineCount, 1);
}

TEST(SearchFileRecords, FieldsAfterTheTwentyEighthAreIgnored)
{
    const auto parsed = parse(searchRecord(kRow, 40));
    ASSERT_EQ(parsed.rows.rowCount(), 1);
    EXPECT_EQ(rowOf(parsed.rows, 0), kRow);
}

TEST(SearchFileRecords, LinesOfAtMostTwoFieldsAreSkippedButCounted)
{
    const auto parsed = parse(QStringLiteral("header||20240108\r\n\r\nplain text\r\n") + searchRecord(kRow) + QStringLiteral("\r\na||b||c"));
    EXPECT_EQ(parsed.lineCount, 5);
    ASSERT_EQ(parsed.rows.rowCount(), 2);
    EXPECT_EQ(rowOf(parsed.rows, 1),
              (QStringList{QString(), QString(), QString(), QString(), QStringLiteral("a"), QStringLiteral("c"),
                           QString(), QString(), QStringLiteral("b")}))
        << "a short record keeps what it has and leaves the rest empty";
}

TEST(SearchFileRecords, LeadingSeparatorGivesAnEmptyFirstField)
{
    const auto parsed = parse(QStringLiteral("||00012345||x.mpg||歌名") + QStringLiteral("||f").repeated(24));
    ASSERT_EQ(parsed.rows.rowCount(), 1);
    EXPECT_EQ(parsed.rows.cell(0, 4), QString()) << "volume attenuation";
    EXPECT_EQ(parsed.rows.cell(0, 8), QStringLiteral("00012345"));
    EXPECT_EQ(parsed.rows.cell(0, 0), QStringLiteral("歌名"));
}

TEST(SearchFileRecords, CellsAreTakenExactlyAsTheyStand)
{
    QStringList row = kRow;
    row[8] = QStringLiteral(" 0001234 ");
    const auto parsed = parse(searchRecord(row));
    EXPECT_EQ(parsed.rows.cell(0, 8), QStringLiteral(" 0001234 "));
}

TEST(SearchFileEncoding, GbkSecondBytesNeverCutOrJoinFields)
{
    // 東 is 96 7C: cut on bytes, "東||x" would become "\x96", "|x" and "東|" + "|" would be a separator.
    const QString name = QStringLiteral("東方之珠");
    const QString line = QStringLiteral("0||00010613||a.mpg||") + name + QStringLiteral("||東|||東||東||億||質");
    const auto parsed = parse(line + QStringLiteral("||f").repeated(20));
    ASSERT_EQ(parsed.rows.rowCount(), 1);
    EXPECT_EQ(parsed.rows.cell(0, 0), name);
    EXPECT_EQ(parsed.rows.cell(0, 2), QStringLiteral("億")) << "field 8";
    EXPECT_EQ(parsed.rows.cell(0, 3), QStringLiteral("東")) << "field 7";
    EXPECT_EQ(parsed.rows.cell(0, 1), QStringLiteral("質")) << "field 9";
}

TEST(SearchFileEncoding, InvalidBytesBecomeReplacementCharactersAndNothingElseIsLost)
{
    const QByteArray bytes("a||b||c\x81\r\nx||y||\x80z||\xFF\r\nlast||line||\x81");
    const auto parsed = songs::parseSearchFile(bytes);
    EXPECT_EQ(parsed.lineCount, 3) << "a CR after a stray lead byte still ends the line";
    ASSERT_EQ(parsed.rows.rowCount(), 3);
    EXPECT_EQ(parsed.rows.cell(0, 5), QStringLiteral("c\uFFFD"));
    EXPECT_EQ(parsed.rows.cell(1, 5), QStringLiteral("€z"));
    EXPECT_EQ(parsed.rows.cell(1, 0), QStringLiteral("\uF8F5")) << "code page 936 maps FF to a private character";
    EXPECT_EQ(parsed.rows.cell(2, 5), QStringLiteral("\uFFFD")) << "a lead byte alone at the end is kept";
}

// The text ends at the first zero byte; the line it is on is reported when anything but zero bytes
// follows it.
TEST(SearchFileEncoding, ZeroByteEndsTheTextAndItsLineIsKnown)
{
    const QByteArray record = platform::toGbk(searchRecord(kRow));
    const auto parsed = songs::parseSearchFile(record + "\r\n" + record + QByteArray("\0\r\n", 3) + record);
    EXPECT_EQ(parsed.lineCount, 2);
    EXPECT_EQ(parsed.rows.rowCount(), 2);
    EXPECT_EQ(parsed.cutAtZeroByteLine, 2);
    EXPECT_EQ(parsed.kind, platform::TextKind::Binary);

    const auto padded = songs::parseSearchFile(record + QByteArray(64, '\0'));
    EXPECT_EQ(padded.rows.rowCount(), 1);
    EXPECT_EQ(padded.cutAtZeroByteLine, 0) << "padding at the end loses nothing";
    EXPECT_EQ(padded.kind, platform::TextKind::Text);
}

TEST(SearchFileEncoding, Utf16FileAddsNoRowsAndIsRecognised)
{
    const QString text = searchRecord(kRow) + QStringLiteral("\r\n") + searchRecord(kRow);
    const QByteArray littleEndian(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    for (const QByteArray &bytes : {QByteArray("\xFF\xFE") + littleEndian, littleEndian}) {
        const auto parsed = songs::parseSearchFile(bytes);
        EXPECT_EQ(parsed.rows.rowCount(), 0);
        EXPECT_LE(parsed.lineCount, 1);
        EXPECT_EQ(parsed.cutAtZeroByteLine, 1);
        EXPECT_EQ(parsed.kind, platform::TextKind::Utf16);
    }
}

TEST(SearchFileEncoding, LinesEndingInLineFeedsAloneAreOneLine)
{
    const auto parsed = parse(searchRecord(kRow) + QStringLiteral("\n") + searchRecord(kRow) + QStringLiteral("\n"));
    EXPECT_EQ(parsed.lineCount, 1);
    ASSERT_EQ(parsed.rows.rowCount(), 1);
    EXPECT_EQ(parsed.rows.cell(0, 7), QStringLiteral("MTV\n-3")) << "the line feed stays inside the cell";
}

// The pieces cut on every core give what the whole text as one piece gives, wherever the pieces are
// cut: inside GBK pairs, between a CR and its LF, before or after a zero byte.
TEST(SearchFilePieces, EveryCutGivesTheResultOfOnePiece)
{
    const QByteArray record = platform::toGbk(searchRecord(kRow));
    const QByteArray bars = platform::toGbk(QStringLiteral("東||00000001||東.mpg||龍鳳||東|||東||東||億||質"));
    const std::pair<const char *, QByteArray> cases[] = {
        {"trail bytes that read as bars", (bars + "\r\n").repeated(4) + bars},
        {"CR and LF alone, empty lines", "a||b||c\r\r\n\r\n\r\nx||y\n||z\r\n" + record + "\r\n\r\n"},
        {"zero byte in a later piece", record + "\r\n" + bars + QByteArray("\r\n\0", 3) + record + "\r\n" + record},
        {"stray lead bytes, one at the end", record + "\x81\r\n\x80||\xFF||\x81|\r\n" + bars + "\xFE"},
    };
    for (const auto &[what, bytes] : cases) {
        const auto whole = songs::parseSearchFile(QByteArrayView(bytes), bytes.size());
        for (qsizetype chunk = 1; chunk < bytes.size(); ++chunk) {
            const auto cut = songs::parseSearchFile(QByteArray(bytes), chunk);
            SCOPED_TRACE(testing::Message() << what << ", pieces of " << chunk << " bytes");
            ASSERT_EQ(cut.lineCount, whole.lineCount);
            EXPECT_EQ(cut.cutAtZeroByteLine, whole.cutAtZeroByteLine);
            EXPECT_EQ(cut.kind, whole.kind);
            ASSERT_EQ(cut.rows.rowCount(), whole.rows.rowCount());
            for (qsizetype row = 0; row < whole.rows.rowCount(); ++row)
                ASSERT_EQ(rowOf(cut.rows, row), rowOf(whole.rows, row)) << "row " << row;
        }
    }
}

// A file another program changes after the first piece is read.
class ChangingFile : public QFile {
public:
    ChangingFile(const QString &path, std::function<void()> change) : QFile(path), m_change(std::move(change)) {}

protected:
    qint64 readData(char *data, qint64 size) override
    {
        const qint64 got = QFile::readData(data, size);
        if (m_change)
            std::exchange(m_change, nullptr)();
        return got;
    }

private:
    std::function<void()> m_change;
};

// Rows read while the file changes match neither its old text nor its new, so the import is refused;
// a file that reports no size (as those in /proc) is read to its end as it comes.
TEST(SearchFilePieces, AFileChangedWhileItIsReadIsRefused)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("songs.txt"));
    const QByteArray text = (platform::toGbk(searchRecord(kRow)) + "\r\n").repeated(40);
    const auto rewrite = [&path](const QByteArray &bytes) {
        QFile other(path);
        ASSERT_TRUE(other.open(QIODevice::ReadWrite));
        other.write(bytes);
    };
    const std::pair<const char *, std::function<void()>> cases[] = {
        {"unchanged", [] {}},
        {"cut short", [&] { QFile::resize(path, text.size() / 2); }},
        {"grown", [&] { rewrite(text + text); }},
        {"rewritten in place", [&] { rewrite(QByteArray(text).replace("MTV", "mtv")); }},
    };
    for (const auto &[what, change] : cases) {
        SCOPED_TRACE(what);
        {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(text);
            file.flush();
            file.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime);
        }
        ChangingFile file(path, change);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const auto parsed = songs::parseSearchFile(file, 256);
        const bool unchanged = what == std::string_view("unchanged");
        EXPECT_EQ(parsed.failure,
                  unchanged ? songs::ParsedSearchFile::Failure::None
                            : songs::ParsedSearchFile::Failure::ChangedWhileRead);
        if (unchanged) {
            EXPECT_EQ(parsed.rows.rowCount(), 40);
        }
    }
#ifdef Q_OS_LINUX
    QFile status(QStringLiteral("/proc/self/status"));
    ASSERT_TRUE(status.open(QIODevice::ReadOnly));
    ASSERT_EQ(status.size(), 0);
    const auto parsed = songs::parseSearchFile(status, 64);
    EXPECT_EQ(parsed.failure, songs::ParsedSearchFile::Failure::None);
    EXPECT_GT(parsed.lineCount, 0);
#endif
}

} // namespace
