// Text files read from their bytes, one named case per shape of input, and from disk.
#include "platform/TextFile.h"
#include "platform/Gbk.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QStringEncoder>
#include <gtest/gtest.h>

using platform::TextEncoding;
using Reason = platform::TextFile::Reason;

namespace {

QByteArray utf16(const QString &text, bool littleEndian)
{
    return QStringEncoder(littleEndian ? QStringConverter::Utf16LE : QStringConverter::Utf16BE).encode(text);
}

QByteArray randomBytes(int lowest)
{
    QRandomGenerator random(7);
    QByteArray bytes;
    for (int i = 0; i < 3000; ++i)
        bytes += char(random.bounded(lowest, 256));
    return bytes;
}

const QString kTwentyLines = u"月亮代表我的心东风破青花瓷\r\n"_qs.repeated(20);

struct Shape {
    const char *name;
    QByteArray bytes;
    Reason reason;
    TextEncoding encoding = TextEncoding::Gbk;
    QStringList lines = {};
};
void PrintTo(const Shape &shape, std::ostream *out)
{
    *out << shape.name;
}

class TextBytes : public ::testing::TestWithParam<Shape> {};

TEST_P(TextBytes, GetOneVerdict)
{
    const platform::TextFile file = platform::readText(GetParam().bytes);
    EXPECT_EQ(file.reason, GetParam().reason);
    if (!file.isRead())
        return;
    EXPECT_EQ(file.encoding, GetParam().encoding);
    QStringList lines;
    platform::forEachTextLine(file, [&](QStringView line) {
        lines << line.toString();
        return true;
    });
    EXPECT_EQ(lines, GetParam().lines);
}

const QStringList kLines = {u"青花瓷"_qs, QString(), u"abc"_qs};

INSTANTIATE_TEST_SUITE_P(
    Shapes, TextBytes,
    ::testing::Values(
        Shape{"GbkCrLf", platform::toGbk(u"青花瓷\r\n\r\nabc\r\n"_qs), Reason::Read, TextEncoding::Gbk, kLines},
        Shape{"Utf8Lf", u"青花瓷\n\nabc"_qs.toUtf8(), Reason::Read, TextEncoding::Utf8, kLines},
        Shape{"Utf8WithBomCr", "\xEF\xBB\xBF" + u"青花瓷\r\rabc\r"_qs.toUtf8(), Reason::Read, TextEncoding::Utf8,
              kLines},
        Shape{"GbkThatIsValidUtf8InOnePlace",
              platform::toGbk(u"一些\r\n东风破"_qs),
              Reason::Read,
              TextEncoding::Gbk,
              {u"一些"_qs, u"东风破"_qs}},
        Shape{"AsciiIsGbk", "a\r\nb", Reason::Read, TextEncoding::Gbk, {u"a"_qs, u"b"_qs}},
        Shape{"PaddedWithZeroBytes",
              QByteArray("a||b||c\r\n") + QByteArray(4000, '\0'),
              Reason::Read,
              TextEncoding::Gbk,
              {u"a||b||c"_qs}},
        Shape{"OneControlCharacterTyped",
              "a\x01"
              "b",
              Reason::Read,
              TextEncoding::Gbk,
              {u"a\u0001b"_qs}},
        Shape{"Empty", {}, Reason::Read},
        Shape{"Utf16LeWithBom", "\xFF\xFE" + utf16(u"abc\r\n"_qs, true), Reason::Utf16},
        Shape{"Utf16BeWithBom", "\xFE\xFF" + utf16(u"青花瓷"_qs, false), Reason::Utf16},
        Shape{"Utf16LeAsciiLines", utf16(u"80||00000001||a\r\n"_qs, true), Reason::Utf16},
        Shape{"Utf16LeTwentyChineseLines", utf16(kTwentyLines, true), Reason::Utf16},
        Shape{"Utf16LeTwentyChineseLinesPadded", utf16(kTwentyLines, true) + QByteArray(64, '\0'), Reason::Utf16},
        Shape{"Utf16BeOneLineWithoutZeroBytes", utf16(u"周杰伦"_qs, false), Reason::Utf16},
        Shape{"ZeroBytesInside", QByteArray("abc\0\x01\x02\x03xyz\0\xFF", 12), Reason::Binary},
        Shape{"TextThenZeroThenText", QByteArray("a||b||c\r\n\0x||y||z\r\n", 19), Reason::Binary},
        Shape{"RandomBytes", randomBytes(0), Reason::Binary},
        Shape{"RandomBytesWithoutZero", randomBytes(1), Reason::Controls},
        Shape{"Utf8BomThenBinary",
              QByteArray("\xEF\xBB\xBF"
                         "a\0b",
                         6),
              Reason::Binary}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(TextFile, ReadsNoMoreThanTheLimitAndOnlyRegularFiles)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(u"a.txt"_qs);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(3 * 1024 * 1024, 'x') + "\r\n" + QByteArray(1024 * 1024, 'y') + "\ry\nz");
    file.close();

    platform::TextFile read = platform::readTextFile(path, 4 * 1024 * 1024 + 6);
    ASSERT_TRUE(read.isRead());
    QList<qsizetype> lengths; // the line ends fall around the pieces' borders
    platform::forEachTextLine(read, [&](QStringView line) {
        lengths << line.size();
        return true;
    });
    EXPECT_EQ(lengths, (QList<qsizetype>{3 * 1024 * 1024, 1024 * 1024, 1, 1}));

    read = platform::readTextFile(path, 4 * 1024 * 1024 + 5);
    EXPECT_EQ(read.reason, Reason::TooBig);
    EXPECT_EQ(read.size, 4 * 1024 * 1024 + 6);
    EXPECT_EQ(platform::readTextFile(folder.filePath(u"none"_qs), 10).reason, Reason::Missing);
    EXPECT_EQ(platform::readTextFile(folder.path(), 10).reason, Reason::Folder);
#ifdef Q_OS_UNIX
    EXPECT_EQ(platform::readTextFile(u"/dev/zero"_qs, 10).reason, Reason::NotRegularFile);
#endif
}

} // namespace
