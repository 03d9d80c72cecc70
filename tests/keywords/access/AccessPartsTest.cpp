// Each part of the Access reader on pages built in memory: the bytes, the page file, the header,
// texts, data pages, usage maps, table definitions, rows, long values, the table scan and the catalog.
#include "keywords/access/AccessBytes.h"
#include "keywords/access/AccessCatalog.h"
#include "keywords/access/AccessDataPage.h"
#include "keywords/access/AccessHeader.h"
#include "keywords/access/AccessLongValue.h"
#include "keywords/access/AccessPageFile.h"
#include "keywords/access/AccessRow.h"
#include "keywords/access/AccessTableDef.h"
#include "keywords/access/AccessTableScan.h"
#include "keywords/access/AccessText.h"
#include "keywords/access/AccessUsageMap.h"
#include "tests/keywords/access/AccessPages.h"

#include <QBuffer>
#include <gtest/gtest.h>

using namespace keywords::access;
using namespace testing_access;

namespace {

// Pages laid one after another into a file the reader can open.
QByteArray joined(const QList<QByteArray> &pages, qsizetype tail)
{
    QByteArray bytes;
    for (const QByteArray &page : pages)
        bytes += page.isEmpty() ? QByteArray(kPage, '\0') : page;
    return bytes + QByteArray(tail, '\x7f');
}

struct Pages {
    explicit Pages(const QList<QByteArray> &pages, qsizetype tail = 0)
        : bytes(joined(pages, tail)), buffer(&bytes), file((buffer.open(QIODevice::ReadOnly), buffer), kPage)
    {}
    QByteArray bytes;
    QBuffer buffer;
    PageFile file;
};

TEST(AccessParts, BytesReadLittleEndianAndNeverPastTheEnd)
{
    const QByteArray raw("\x01\x02\x03\x04\x00\x00\xc0\x3f", 8);
    const Bytes bytes(raw);
    EXPECT_EQ(bytes.u16(0), 0x0201);
    EXPECT_EQ(bytes.u32(0), 0x04030201u);
    EXPECT_EQ(bytes.number<float>(4), 1.5f);
    EXPECT_EQ(bytes.number<qint16>(6), qint16(0x3fc0));
    EXPECT_FALSE(bytes.u32(5));
    EXPECT_FALSE(bytes.u8(-1));
    EXPECT_FALSE(bytes.slice(6, 3));
}

TEST(AccessParts, PageFileGivesWholePagesOnly)
{
    QByteArray second(kPage, 'b');
    Pages pages({QByteArray(kPage, 'a'), second}, 100);
    EXPECT_EQ(pages.file.pageCount(), 2u);
    EXPECT_EQ(pages.file.page(1), second);
    EXPECT_EQ(pages.file.page(1), second) << "again, from the cache";
    EXPECT_TRUE(pages.file.page(2).isEmpty()) << "the part page at the end";
}

TEST(AccessParts, HeaderTellsTheFormat)
{
    QByteArray header(0x80, '\0');
    putU32(header, 0, 0x100);
    header.replace(4, 16, QByteArray("Standard Jet DB\0", 16));
    const std::pair<quint8, FileFormat> versions[] = {
        {0, FileFormat::Jet3}, {1, FileFormat::Jet4}, {3, FileFormat::Ace}};
    for (const auto &[version, format] : versions) {
        header[0x14] = char(version);
        EXPECT_EQ(readFileHeader(header).format, format) << int(version);
    }
    EXPECT_EQ(readFileHeader(header.left(0x10)).format, FileFormat::NotAccess);
    EXPECT_EQ(readFileHeader(QByteArray(0x80, 'x')).format, FileFormat::NotAccess);
}

TEST(AccessParts, TextsDecodePlainAndCompressed)
{
    EXPECT_EQ(decodeText(ucs2(u"東方😀"_qs)), u"東方😀"_qs);
    EXPECT_EQ(decodeText(QByteArray("\xff\xfe"
                                    "ab\0\x28\x67\0c",
                                    9)),
              u"ab木c"_qs);
    EXPECT_FALSE(decodeText(QByteArray("abc", 3))) << "an odd count of bytes";
    const std::optional<QString> empty = decodeText({});
    ASSERT_TRUE(empty);
    EXPECT_FALSE(empty->isNull());
    EXPECT_EQ(decodeUcs2(ucs2(u"Name"_qs) + 'x'), u"Name"_qs);
}

TEST(AccessParts, DataPageRowTableAndRowsByPointer)
{
    QByteArray page = dataPage(7, {"first", "second", "third"}, {0, 0x8000, 0x4000});
    int damaged = 0;
    const auto entries = rowSlots(page, &damaged);
    ASSERT_TRUE(entries);
    ASSERT_EQ(entries->size(), 3);
    EXPECT_EQ(page.mid(entries->at(0).start, entries->at(0).end - entries->at(0).start), "first");
    EXPECT_TRUE(entries->at(1).deleted);
    EXPECT_TRUE(entries->at(2).moved);
    EXPECT_EQ(dataPageOwner(page), 7u);

    Pages pages({{}, page});
    EXPECT_EQ(rowBytes(pages.file, {1, 0}), QByteArray("first"));
    EXPECT_FALSE(rowBytes(pages.file, {1, 1})) << "deleted";
    EXPECT_EQ(rowBytes(pages.file, {1, 1}, true), QByteArray("second"));
    EXPECT_FALSE(rowBytes(pages.file, {1, 2})) << "moved: only a pointer";
    EXPECT_FALSE(rowBytes(pages.file, {1, 3}));

    putU16(page, 0x0e, 0x0002); // a live row starting inside the row table
    EXPECT_TRUE(rowSlots(page, &damaged));
    EXPECT_EQ(damaged, 1);
    putU16(page, 0x0c, 0xffff);
    EXPECT_FALSE(rowSlots(page, &damaged)) << "a row table longer than the page";
}

TEST(AccessParts, UsageMapCountsLostMapPagesApartFromPagesPastTheEnd)
{
    Pages inlineMapped({{}, dataPage(1, {inlineMap({2, 3, 9})}), {}, {}});
    UsageMapLoss loss;
    EXPECT_EQ(usedPages(inlineMapped.file, {1, 0}, &loss), QList<quint32>({2, 3}));
    EXPECT_EQ(loss.pagesPastEnd, 1);
    EXPECT_EQ(loss.lostMapPages, 0);

    QByteArray mapPage(kPage, '\0');
    mapPage[0] = 0x05;
    mapPage[4] = 0x08; // page 3
    QByteArray pageMap(1 + 8, '\0');
    pageMap[0] = 0x01;
    putU32(pageMap, 1, 2);
    putU32(pageMap, 5, 3); // no map page: lost
    Pages mapped({{}, dataPage(1, {pageMap}), mapPage, {}});
    loss = {};
    EXPECT_EQ(usedPages(mapped.file, {1, 0}, &loss), QList<quint32>({3}));
    EXPECT_EQ(loss.lostMapPages, 1);

    QByteArray unknown = pageMap;
    unknown[0] = 0x07;
    Pages foreign({{}, dataPage(1, {unknown})});
    EXPECT_FALSE(usedPages(foreign.file, {1, 0}, &loss));
}

TEST(AccessParts, TableDefinitionReadsColumnsAndRefusesBrokenChains)
{
    QByteArray tdef = tableDefPage(42, pointer(5, 1),
                                   {{0x04, u"编号"_qs, 0, 0, 0, 4, true}, {0x0a, u"歌曲名"_qs, 1, 0, 0, 510, false}});
    Pages pages({{}, tdef});
    const std::optional<TableDef> table = readTableDef(pages.file, 1);
    ASSERT_TRUE(table);
    EXPECT_EQ(table->rowCount, 42u);
    EXPECT_EQ(table->usageMap, (RowPointer{5, 1}));
    ASSERT_NE(table->column(u"歌曲名"_qs), nullptr);
    EXPECT_TRUE(table->column(u"编号"_qs)->fixedLength);
    EXPECT_EQ(table->column(u"missing"_qs), nullptr);

    putU32(tdef, 4, 1); // its own next page
    Pages looping({{}, tdef});
    EXPECT_FALSE(readTableDef(looping.file, 1));
    EXPECT_FALSE(readTableDef(pages.file, 0)) << "no TDEF page";
}

TEST(AccessParts, RowCellsFixedVariableNullAndDamaged)
{
    QByteArray fixed(4, '\0');
    putU32(fixed, 0, 77);
    const QByteArray row = rowOf(3, fixed, {ucs2(u"名"_qs), {}}, 0b011);
    const Column id{ColumnType::LongInteger, {}, 0, 0, 0, 4, true};
    const Column name{ColumnType::Text, {}, 1, 0, 0, 510, false};
    const Column remark{ColumnType::Text, {}, 2, 1, 0, 510, false};
    const Column added{ColumnType::Text, {}, 5, 3, 0, 510, false};
    const Cell idCell = cellOf(row, id);
    ASSERT_EQ(idCell.state, Cell::State::Value);
    EXPECT_EQ(numberOf(idCell.bytes, id.type), QVariant(qlonglong(77)));
    EXPECT_EQ(cellOf(row, name).bytes, ucs2(u"名"_qs));
    EXPECT_EQ(cellOf(row, remark).state, Cell::State::Null);
    EXPECT_EQ(cellOf(row, added).state, Cell::State::Null) << "a column added after the row";
    EXPECT_EQ(cellOf(row.left(2), name).state, Cell::State::Damaged);
    const Column tooLong{ColumnType::Text, {}, 0, 0, 0, 0xffff, true};
    EXPECT_EQ(cellOf(row, tooLong).state, Cell::State::Damaged);

    EXPECT_EQ(numberOf(QByteArray("\xff\xff", 2), ColumnType::Integer), QVariant(-1));
    EXPECT_FALSE(numberOf(QByteArray(3, '\0'), ColumnType::Double));
    EXPECT_FALSE(numberOf(QByteArray(8, '\0'), ColumnType::Text));
}

TEST(AccessParts, LongValuesInlineInOneRowAndChained)
{
    QByteArray inlineValue = memoReference(0x80000000 | 3, 0) + "abc";
    Pages none(QList<QByteArray>{QByteArray()});
    EXPECT_EQ(longValue(none.file, inlineValue), QByteArray("abc"));
    EXPECT_EQ(longValueLength(inlineValue), 3);

    QByteArray link(4, '\0');
    putU32(link, 0, pointer(1, 1));
    const QByteArray lval = dataPage(0x4c41564c, {link + "hello ", QByteArray(4, '\0') + "world", "one row"});
    Pages pages({{}, lval});
    EXPECT_EQ(longValue(pages.file, memoReference(11, pointer(1, 0))), QByteArray("hello world"));
    EXPECT_EQ(longValue(pages.file, memoReference(0x40000000 | 3, pointer(1, 2))), QByteArray("one"));
    EXPECT_FALSE(longValue(pages.file, memoReference(20, pointer(1, 0)))) << "the chain ends early";
    EXPECT_FALSE(longValue(pages.file, memoReference(0x3fffffff, pointer(1, 0)))) << "longer than the file";

    QByteArray loop(4, '\0');
    putU32(loop, 0, pointer(1, 0));
    Pages looping({{}, dataPage(0x4c41564c, {loop + "x"})});
    EXPECT_FALSE(longValue(looping.file, memoReference(100, pointer(1, 0))));
}

TEST(AccessParts, TableScanReadsMovedRowsOnceAndCanStop)
{
    QByteArray moved(4, '\0');
    putU32(moved, 0, pointer(3, 1));
    const QByteArray rows = dataPage(2, {"a", moved, "gone"}, {0, 0x4000, 0x8000});
    const QByteArray target = dataPage(2, {"b", "moved-a2"});
    Pages pages({{}, dataPage(1, {inlineMap({2, 3})}), rows, target});
    TableDef table;
    table.page = 2;
    table.usageMap = {1, 0};
    QList<QByteArray> seen;
    const auto scan = scanRows(pages.file, table, [&](QByteArrayView row) {
        seen.append(row.toByteArray());
        return row == "b" ? RowRead::Unreadable : RowRead::Taken;
    });
    ASSERT_TRUE(scan);
    EXPECT_EQ(seen, QList<QByteArray>({"a", "moved-a2", "b"}));
    EXPECT_EQ(scan->unreadableRows, 1);
    EXPECT_FALSE(scan->pagesSkipped);

    seen.clear();
    scanRows(pages.file, table, [&](QByteArrayView row) {
        seen.append(row.toByteArray());
        return RowRead::Stop;
    });
    EXPECT_EQ(seen.size(), 1);
}

TEST(AccessParts, CatalogFindsAUserTableByName)
{
    QByteArray bytes = keywordLibrary(numberedKeywords(2));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    PageFile file(buffer, kPage);
    const CatalogEntry music = findTable(file, u"MUSIC"_qs);
    EXPECT_EQ(music.lookup, CatalogLookup::Found);
    EXPECT_EQ(music.definitionPage, 3u);
    EXPECT_EQ(findTable(file, u"songs"_qs).lookup, CatalogLookup::NoSuchTable);
}

} // namespace
