// The compound-file container: sector counts with and without DIFAT, and containers read back
// (small streams padded to the mini-stream cutoff, large ones through DIFAT).
#include "XlsTestReader.h"

#include "xls/CompoundFile.h"

#include <gtest/gtest.h>

using namespace xls;

namespace {

TEST(XlsCompoundFile, DifatSectorsAppearOnceTheHeaderCannotListTheFat)
{
    // 109 FAT sectors map 13,952 sectors, of which the directory and the FAT itself take 110.
    const qsizetype largestWithoutDifat = (109 * 128 - 110) * 512;
    const cfb::Layout fits = cfb::planLayout(largestWithoutDifat);
    EXPECT_EQ(fits.fatSectors, 109u);
    EXPECT_EQ(fits.difatSectors, 0u);
    const cfb::Layout over = cfb::planLayout(largestWithoutDifat + 1);
    EXPECT_EQ(over.fatSectors, 110u);
    EXPECT_EQ(over.difatSectors, 1u);

    // A 37.8 MB file.
    const cfb::Layout large = cfb::planLayout(37'478'400);
    EXPECT_EQ(large.fatSectors, 577u);
    EXPECT_EQ(large.difatSectors, 4u);
    EXPECT_GE(qsizetype(large.fatSectors) * 128, qsizetype(large.sectorCount()));
}

QByteArray container(const QByteArray &stream)
{
    ByteWriter out;
    const cfb::Layout layout = cfb::planLayout(stream.size());
    cfb::writeHeader(out, layout);
    out.bytes(stream);
    cfb::writeTrailer(out, layout, stream.size());
    const QByteArray file = out.view().toByteArray();
    EXPECT_EQ(file.size(), cfb::kHeaderSize + qsizetype(layout.sectorCount()) * cfb::kSectorSize);
    return file;
}

TEST(XlsCompoundFile, ReaderFindsTheStreamThroughFatAndDifat)
{
    for (qsizetype size : {qsizetype(1000), qsizetype(4097), qsizetype(7'200'000), qsizetype(16'777'300)}) {
        QByteArray stream(size, Qt::Uninitialized);
        char *bytes = stream.data();
        for (qsizetype i = 0; i < size; ++i)
            bytes[i] = char(i * 7 + i / 512);
        const QByteArray file = container(stream);
        QString error;
        const QByteArray read = xlstest::workbookStream(file, &error);
        EXPECT_EQ(error, QString()) << size;
        EXPECT_EQ(read.left(size), stream) << size;
        EXPECT_TRUE(read.mid(size).count('\0') == read.size() - size) << "padding must be zeros";
    }
}

} // namespace
