// Keyword files read from their bytes, one named case per shape of file, and written files read back.
#include "keywords/KeywordListFile.h"
#include "platform/Gbk.h"
#include "platform/TextFile.h"
#include "songs/ExportedCodes.h"
#include "songs/SearchFileParser.h"

#include <QRandomGenerator>
#include <QStringEncoder>
#include <gtest/gtest.h>

#include <variant>

using keywords::KeywordFileEncoding;
using keywords::KeywordRow;

namespace {

using Problem = keywords::KeywordFileContent::Problem;
using Reason = platform::TextFile::Reason;
using Verdict = std::variant<Reason, Problem>;

Verdict verdictOf(const keywords::KeywordFileContent &content)
{
    return content.reading != Reason::Read ? Verdict(content.reading) : Verdict(content.problem);
}

QByteArray utf16(const QString &text, bool littleEndian)
{
    return QStringEncoder(littleEndian ? QStringConverter::Utf16LE : QStringConverter::Utf16BE).encode(text);
}

QByteArray randomBytes()
{
    QRandomGenerator random(20);
    QByteArray bytes;
    for (int i = 0; i < 3000; ++i)
        bytes += char(random.bounded(1, 256));
    return bytes;
}

const QString kMixed = u"青花瓷\t重复\n  一些  ||  版权纠纷 \nabc\n\n东风破\t\nMix 我的||歌\t商业\n||只有备注"_qs;
const QList<KeywordRow> kMixedRows = {{0, u"青花瓷"_qs, u"重复"_qs}, {0, u"一些"_qs, u"版权纠纷"_qs},
                                      {0, u"abc"_qs, u"无"_qs},       {0, u"东风破"_qs, u"无"_qs},
                                      {0, u"Mix 我的||歌"_qs, u"商业"_qs}};

QString withEnds(const char16_t *end)
{
    return QString(kMixed).replace(u'\n', QString::fromUtf16(end));
}

struct FileCase {
    const char *name;
    QByteArray bytes;
    QList<KeywordRow> rows; // when it is read
    Verdict verdict = Problem::None;
    qsizetype line = 0; // where it is refused
};
// Cases are named by their name alone: printed whole, the bytes' addresses would make every listing
// of the tests name them differently.
void PrintTo(const FileCase &shape, std::ostream *out)
{
    *out << shape.name;
}

class KeywordFileBytes : public ::testing::TestWithParam<FileCase> {};

TEST_P(KeywordFileBytes, AreReadWholeInOneEncodingOrRefused)
{
    const keywords::KeywordFileContent content = keywords::parseKeywordFile(GetParam().bytes);
    EXPECT_EQ(verdictOf(content), GetParam().verdict);
    EXPECT_EQ(content.line, GetParam().line);
    EXPECT_EQ(content.rows, GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, KeywordFileBytes,
    ::testing::Values(
        FileCase{"GbkCrLf", platform::toGbk(withEnds(u"\r\n")), kMixedRows},
        FileCase{"Utf8WithBomLf", "\xEF\xBB\xBF" + withEnds(u"\n").toUtf8(), kMixedRows},
        FileCase{"Utf8Cr", withEnds(u"\r").toUtf8(), kMixedRows},
        // "一些" in GBK is valid UTF-8 too: only the whole file tells.
        FileCase{"GbkThatLooksLikeUtf8InOneLine",
                 platform::toGbk(u"一些\r\n东风破\r\n"_qs),
                 {{0, u"一些"_qs, u"无"_qs}, {0, u"东风破"_qs, u"无"_qs}}},
        FileCase{"AsciiWord", "Beyond\r\n", {{0, u"Beyond"_qs, u"无"_qs}}},
        FileCase{"Utf16WithBom", "\xFF\xFE" + utf16(u"青花瓷\r\n"_qs, true), {}, Reason::Utf16},
        FileCase{"Utf16LeAsciiLines", utf16(u"青花瓷\r\nabc\r\n"_qs, true), {}, Reason::Utf16},
        FileCase{"Utf16LeOneCjkLineWithoutZeroBytes", QByteArray("\x68\x54\x70\x67\x26\x4F"), {}, Reason::Utf16},
        FileCase{"Utf16BeOneCjkLine", utf16(u"周杰伦"_qs, false), {}, Reason::Utf16},
        FileCase{"Utf16LeLongCjkLines",
                 utf16(u"月亮代表我的心东风破青花瓷"_qs.repeated(40) + u"\r\n"_qs, true).repeated(10),
                 {},
                 Reason::Utf16},
        FileCase{"RandomBytes", randomBytes(), {}, Reason::Controls},
        FileCase{"GbkLineThenUtf8Line",
                 platform::toGbk(u"青花瓷\r\n"_qs) + u"月亮代表我的心\r\n"_qs.toUtf8(),
                 {},
                 Problem::UnreadableBytes,
                 2},
        FileCase{"ControlCharacter",
                 "abc\r\nd\x01"
                 "e\r\n",
                 {},
                 Problem::ControlCharacter,
                 2},
        FileCase{"Utf8WithBomAndBadBytes",
                 "\xEF\xBB\xBF"
                 "abc\r\n\xFF\r\n",
                 {},
                 Problem::UnreadableBytes,
                 2},
        FileCase{"ZeroBytes", QByteArray("abc\0\x01\x02\x03xyz\0\xFF", 12), {}, Reason::Binary},
        FileCase{"Empty", {}, {}, Problem::Empty},
        FileCase{"BlankLines", " \r\n\t\r\n\r\n", {}, Problem::OnlyBlankLines},
        FileCase{"RemarksOnly", "||a\r\n\tb\r\n", {}, Problem::NoKeyword},
        FileCase{"LongLine", "a\r\nb\n" + QByteArray(100000, 'x'), {}, Problem::LongLine, 3}),
    [](const auto &info) { return std::string(info.param.name); });

// The import, the earlier exports and the keyword files judge a file's bytes alike.
TEST(TextFileReaders, GiveOneVerdict)
{
    using platform::TextKind;
    const QString text = u"80||00000001||青花瓷\r\n"_qs.repeated(20);
    const std::pair<QByteArray, TextKind> inputs[] = {
        {utf16(u"月亮代表我的心东风破青花瓷\r\n"_qs.repeated(20), true), TextKind::Utf16},
        {QByteArray("PK\3\4\0\0\1\0", 8) + QByteArray(200, '\x20'), TextKind::Binary},
        {platform::toGbk(text), TextKind::Text},
        {"\xEF\xBB\xBF" + text.toUtf8(), TextKind::Text},
    };
    for (const auto &[bytes, kind] : inputs) {
        SCOPED_TRACE(int(kind));
        EXPECT_EQ(songs::parseSearchFile(bytes).kind, kind);
        const Reason codes = songs::findExportedCodes(bytes, {u"00000001"_qs}).reading;
        EXPECT_EQ(codes == Reason::Read         ? TextKind::Text
                      : codes == Reason::Utf16  ? TextKind::Utf16
                      : codes == Reason::Binary ? TextKind::Binary
                                                : TextKind::Controls,
                  kind);
        const Reason keywords = keywords::parseKeywordFile(bytes).reading;
        EXPECT_EQ(keywords == Reason::Read         ? TextKind::Text
                      : keywords == Reason::Utf16  ? TextKind::Utf16
                      : keywords == Reason::Binary ? TextKind::Binary
                                                   : TextKind::Controls,
                  kind);
    }
}

// Pasted text follows the file's rules, its size limit included, counted as the text's UTF-8 bytes.
TEST(KeywordText, IsReadAsAFileHoldingItInUtf8)
{
    const QString manyLines = u"k1234567\n"_qs.repeated(1900000); // 17.1 MB
    EXPECT_EQ(keywords::parseKeywordText(manyLines).reading, Reason::TooBig);
    const keywords::KeywordFileContent chinese = keywords::parseKeywordText(u"青花瓷\n"_qs.repeated(1800000));
    EXPECT_EQ(chinese.reading, Reason::TooBig) << "7.2 million characters, 18 MB in UTF-8";
    EXPECT_EQ(chinese.size, 18000000);
    EXPECT_EQ(keywords::parseKeywordText(u"||a\nb\t\u0001"_qs).problem, Problem::ControlCharacter);
    EXPECT_EQ(keywords::parseKeywordText(u"青花瓷\t违禁\r\n"_qs).rows,
              (QList<KeywordRow>{{0, u"青花瓷"_qs, u"违禁"_qs}}));
}

// Written files read back as the rows they were made from, in the encoding that holds them.
struct WrittenCase {
    const char *name;
    QList<KeywordRow> rows;
    KeywordFileEncoding encoding;
    int changedOnReading;
};
void PrintTo(const WrittenCase &written, std::ostream *out)
{
    *out << written.name;
}

class WrittenKeywordFile : public ::testing::TestWithParam<WrittenCase> {};

TEST_P(WrittenKeywordFile, ReadsBack)
{
    const keywords::KeywordFileBytes file = keywords::keywordFileBytes(GetParam().rows);
    EXPECT_EQ(file.encoding, GetParam().encoding);
    EXPECT_EQ(file.changedOnReading, GetParam().changedOnReading);
    const keywords::KeywordFileContent content = keywords::parseKeywordFile(file.bytes);
    EXPECT_FALSE(content.refused());
    EXPECT_EQ(content.rows.size(), GetParam().rows.size());
    if (GetParam().changedOnReading == 0) {
        EXPECT_EQ(content.rows, GetParam().rows);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, WrittenKeywordFile,
    ::testing::Values(WrittenCase{"Gbk", {{0, u"青花瓷"_qs, u"违禁"_qs}, {0, u"a||b"_qs, u"商业"_qs}}, KeywordFileEncoding::Gbk, 0},
                      WrittenCase{"NoGbkFormIsUtf8", {{0, u"사랑"_qs, u"无"_qs}}, KeywordFileEncoding::Utf8, 0},
                      WrittenCase{"GbkThatReadsAsUtf16", {{0, u"周杰伦"_qs, u"无"_qs}}, KeywordFileEncoding::Gbk, 0},
                      WrittenCase{"ControlCharacterBecomesABlank", {{0, u"a\u0001b"_qs, u"无"_qs}}, KeywordFileEncoding::Gbk, 1}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
