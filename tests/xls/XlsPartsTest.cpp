// Byte-level checks of the writer's small parts: record encoding, string encoding, cell references.
#include "xls/ByteWriter.h"
#include "xls/XlsString.h"

#include <QBuffer>

#include <gtest/gtest.h>

using namespace xls;

namespace {

QByteArray hex(const char *digits) { return QByteArray::fromHex(digits); }

TEST(XlsByteWriter, RecordsAreLittleEndianWithPayloadLength)
{
    ByteWriter out;
    out.record(0x0809, {0x0600, 0x0010});
    const qsizetype start = out.beginRecord(0x00FD);
    out.u32(0x01020304);
    out.u8(0xAB);
    out.endRecord(start);
    EXPECT_EQ(out.view().toByteArray(), hex("09080400" "00061000" "fd000500" "04030201ab"));
}

TEST(XlsByteWriter, StreamingPassesEverythingOnInOrder)
{
    QBuffer sink;
    sink.open(QIODevice::WriteOnly);
    ByteWriter streamed(&sink, 1);  // the smallest chunk, so every record forces a drain
    QByteArray expected;
    for (int i = 0; i < 3000; ++i) {
        const qsizetype start = streamed.beginRecord(0x003C);
        streamed.fill(i % 9, char(i));
        streamed.endRecord(start);
        expected += hex("3c00") + char(i % 9) + '\0' + QByteArray(i % 9, char(i));
        if (i % 1000 == 999) {  // a block longer than the chunk goes to the sink as it is
            const QByteArray block(20000, char(i));
            streamed.bytes(block);
            expected += block;
        }
    }
    EXPECT_TRUE(streamed.finish());
    EXPECT_EQ(sink.data(), expected);
    EXPECT_EQ(streamed.size(), expected.size());
}

TEST(XlsString, CompressedOnlyUpToLatin1)
{
    EXPECT_TRUE(isLatin1(u"Caf\u00e9 \u00ff"));
    EXPECT_FALSE(isLatin1(u"\u0100"));
    EXPECT_FALSE(isLatin1(u"\u20ac"));  // the euro sign is in cp1252, not in Latin-1

    ByteWriter out;
    writeString(out, u"A\u00e9");
    writeString(out, u"A\u6771");
    writeShortString(out, u"\U00020000");  // one character, two code units
    EXPECT_EQ(out.view().toByteArray(), hex("020000" "41e9" "020001" "41007167" "0201" "40d800dc"));
}

TEST(XlsString, CellTextIsCutAtExcelsLimitKeepingSurrogatePairsWhole)
{
    const QString plain(40000, u'x');
    EXPECT_EQ(clampCellText(plain).size(), 32767);
    EXPECT_EQ(clampCellText(u"short"), u"short");

    QString pairAtCut = QString(32766, u'x') + QString::fromUtf16(u"\U00020000") + u"tail"_qs;
    EXPECT_EQ(clampCellText(pairAtCut).size(), 32766);
    QString pairBeforeCut = QString(32765, u'x') + QString::fromUtf16(u"\U00020000") + u"tail"_qs;
    EXPECT_EQ(clampCellText(pairBeforeCut).size(), 32767);
}

} // namespace
