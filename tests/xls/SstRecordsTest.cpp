// The shared string table's records: exact bytes, CONTINUE splitting at the 8224-byte limit, EXTSST.
#include "XlsTestReader.h"

#include "xls/SstRecords.h"

#include <gtest/gtest.h>

using namespace xls;

namespace {

struct Written {
    std::vector<xlstest::Record> records;
    xlstest::Sst sst;
    SstLayout layout;
};

// Writes the table, then reads it back the way a spreadsheet program does.
Written roundTrip(const std::vector<QString> &strings)
{
    Written w;
    ByteWriter out;
    w.layout = writeSst(out, strings, 7);
    const QByteArray bytes = out.view().toByteArray();
    w.records = xlstest::records(bytes);
    w.sst = xlstest::decodeSst(w.records, 0);
    EXPECT_EQ(w.sst.total, 7u);
    EXPECT_EQ(w.sst.strings, strings);
    EXPECT_FALSE(w.sst.splitHeader);
    EXPECT_FALSE(w.sst.splitSurrogate);
    for (const xlstest::Record &r : w.records)
        EXPECT_LE(r.payload.size(), 8224);
    return w;
}

QString nonBmp() { return QString::fromUtf16(u"\U00020000"); }

TEST(XlsSst, SmallTableBytes)
{
    ByteWriter out;
    const SstLayout layout = writeSst(out, std::vector<QString>{u"A"_qs, u"\u6771"_qs}, 3);
    writeExtSst(out, layout, 100);
    EXPECT_EQ(out.view().toByteArray(), QByteArray::fromHex("fc001100" "03000000" "02000000" "010000" "41" "010001" "7167"
                                              "ff000a00" "0800" "70000000" "0c00" "0000"));
}

TEST(XlsSst, StringStraddlingTheRecordLimitGoesOnWithAFlagsByte)
{
    const Written w = roundTrip({QString(8000, u'x'), QString(500, u'y'), QString(9000, u'\u5f20')});
    ASSERT_GE(w.records.size(), 3u);
    EXPECT_EQ(w.records[0].payload.size(), 8224);
    EXPECT_EQ(w.records[1].id, 0x003C);
    EXPECT_EQ(w.records[1].payload.left(1), QByteArray(1, '\0'));  // the rest of the compressed 'y's
    EXPECT_EQ(w.records.back().payload.at(0), '\1');  // the Chinese string's third part, still UTF-16
}

TEST(XlsSst, HeaderWithoutRoomForItsFirstCharacterMovesToTheNextRecord)
{
    // 8 + 3 + 8211 bytes leave 2: too few for a header and a character.
    const Written w = roundTrip({QString(8211, u'x'), u"z"_qs});
    ASSERT_EQ(w.records.size(), 2u);
    EXPECT_EQ(w.records[0].payload.size(), 8222);
    EXPECT_EQ(w.records[1].payload, QByteArray::fromHex("0100007a"));
    // 6 bytes left: enough for a header and one UTF-16 unit, not for a surrogate pair.
    const Written pair = roundTrip({QString(8207, u'x'), nonBmp() + u"x"_qs});
    EXPECT_EQ(pair.records[0].payload.size(), 8218);
}

TEST(XlsSst, SurrogatePairIsNeverSplitAcrossRecords)
{
    // The UTF-16 characters start at 8214: room for five units, the fifth a high surrogate.
    for (int pad : {8198, 8199, 8200, 8201})
        roundTrip({QString(pad, u'x'), u"abcd"_qs + nonBmp() + u"e"_qs});
    QString pairs;
    for (int i = 0; i < 6000; ++i)
        pairs += nonBmp();
    roundTrip({u"x"_qs, pairs, u"y"_qs + pairs});
}

TEST(XlsSst, ExtSstPointsAtEveryBucketsFirstString)
{
    EXPECT_EQ(extSstBucketSize(1023), 8);
    EXPECT_EQ(extSstBucketSize(1024), 9);
    EXPECT_EQ(extSstBucketSize(130000), 1016);

    std::vector<QString> strings;
    for (int i = 0; i < 5000; ++i)
        strings.push_back(QString(i % 40 + 1, i % 3 ? u'x' : u'\u6771') + QString::number(i));
    const Written w = roundTrip(strings);
    ASSERT_EQ(w.layout.stringsPerBucket, 40);
    ASSERT_EQ(w.layout.buckets.size(), 125u);
    for (size_t b = 0; b < w.layout.buckets.size(); ++b) {
        const qsizetype stringStart = w.sst.offsets[b * 40];
        EXPECT_EQ(w.layout.buckets[b].offset, stringStart);
        const auto holder = std::find_if(w.records.rbegin(), w.records.rend(), [&](const auto &r) { return r.offset < stringStart; });
        EXPECT_EQ(w.layout.buckets[b].recordOffset, stringStart - holder->offset);
    }
}

} // namespace
