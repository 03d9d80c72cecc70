// Search-file bytes to song rows: field-to-column mapping, records, encodings and bad input.
#include "platform/Gbk.h"
#include "songs/SearchFileParser.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

QString record(int fieldCount, const QString &prefix = QStringLiteral("f"))
{
    QStringList fields;
    for (int i = 1; i <= fieldCount; ++i)
        fields << prefix + QString::number(i);
    return fields.join(QStringLiteral("||"));
}

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

const QStringList kMappedRow = {QStringLiteral("f4"),  QStringLiteral("f9"),  QStringLiteral("f8"),
                                QStringLiteral("f7"),  QStringLiteral("f1"),  QStringLiteral("f3"),
                                QStringLiteral("f26"), QStringLiteral("f28"), QStringLiteral("f2")};

TEST(SearchFileRecords, TwentyEightFieldsFillTheNineColumns)
{
    const auto parsed = parse(record(28));
    ASSERT_EQ(parsed.rows.rowCount(), 1);
    EXPECT_EQ(rowOf(parsed.rows, 0), kMappedRow);
    EXPECT_EQ(parsed.lineCount, 1);
}

TEST(SearchFileRecords, FieldsAfterTheTwentyEighthAreIgnored)
{
    const auto parsed = parse(record(40));
    ASSERT_EQ(parsed.rows.rowCount(), 1);
    EXPECT_EQ(rowOf(parsed.rows, 0), kMappedRow);
}

TEST(SearchFileRecords, LinesOfAtMostTwoFieldsAreSkippedButCounted)
{
    const auto parsed = parse(QStringLiteral("header||20240108\r\n\r\nplain text\r\n") + record(28) + QStringLiteral("\r\na||b||c"));
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
    QString line = record(28);
    line.replace(QStringLiteral("||f2||"), QStringLiteral("|| 0001234 ||"));
    const auto parsed = parse(line);
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

TEST(SearchFileEncoding, ZeroByteEndsTheText)
{
    QByteArray bytes = platform::toGbk(record(28));
    bytes += QByteArray("\0\r\n", 3) + platform::toGbk(record(28));
    const auto parsed = songs::parseSearchFile(bytes);
    EXPECT_EQ(parsed.lineCount, 1);
    EXPECT_EQ(parsed.rows.rowCount(), 1);
}

TEST(SearchFileEncoding, Utf16FileAddsNoRows)
{
    const QString text = record(28) + QStringLiteral("\r\n") + record(28);
    QByteArray bytes("\xFF\xFE");
    bytes += QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    const auto parsed = songs::parseSearchFile(bytes);
    EXPECT_EQ(parsed.rows.rowCount(), 0);
    EXPECT_LE(parsed.lineCount, 1);
}

TEST(SearchFileEncoding, LinesEndingInLineFeedsAloneAreOneLine)
{
    const auto parsed = parse(record(28) + QStringLiteral("\n") + record(28) + QStringLiteral("\n"));
    EXPECT_EQ(parsed.lineCount, 1);
    ASSERT_EQ(parsed.rows.rowCount(), 1);
    EXPECT_EQ(parsed.rows.cell(0, 7), QStringLiteral("f28\nf1")) << "the line feed stays inside the cell";
}

TEST(SearchFileEncoding, ChunkBoundariesDoNotChangeTheResult)
{
    // Big enough to be decoded in several pieces; every piece must line up with a line.
    QString text;
    const QString line = QStringLiteral("東||00000001||東.mpg||龍鳳||") + QStringLiteral("東||").repeated(24) + QStringLiteral("東");
    int lines = 0;
    while (text.size() < 3 * (4 << 20) / 2) {
        text += line + QStringLiteral("\r\n");
        ++lines;
    }
    const auto parsed = parse(text);
    EXPECT_EQ(parsed.lineCount, lines);
    ASSERT_EQ(parsed.rows.rowCount(), lines);
    for (qsizetype row : {qsizetype(0), qsizetype(lines / 2), qsizetype(lines - 1)})
        EXPECT_EQ(parsed.rows.cell(row, 0), QStringLiteral("龍鳳"));
}

} // namespace
