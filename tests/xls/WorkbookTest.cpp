// Whole workbooks read back record by record: rows and their cells, sheets, strings, saving.
#include "XlsTestReader.h"

#include "xls/Workbook.h"

#include <QBuffer>
#include <QFile>

#include <gtest/gtest.h>

#include <array>

using namespace xls;
using xlstest::u16;
using xlstest::u32;

namespace {

struct Cell {
    int row, column, xf;
    QString text;  // "<blank>" for a BLANK record
    friend bool operator==(const Cell &, const Cell &) = default;
    friend std::ostream &operator<<(std::ostream &os, const Cell &c) { return os << c.row << ',' << c.column << ',' << c.xf << ',' << c.text.toStdString(); }
};

struct Parsed {
    std::vector<QString> sheetNames;
    std::vector<std::array<quint32, 3>> dimensions;  // per sheet: last row + 1, first and last column + 1
    std::vector<std::vector<Cell>> sheets;
    std::vector<quint16> window2Flags;
    xlstest::Sst sst;
};

QByteArray bytesOf(const Workbook &book)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(book.write(buffer));
    return buffer.data();
}

// Follows BOUNDSHEET offsets to each sheet and collects its cells, checking the structure on the way:
// each block of 32 rows has its ROW records ahead of its cells.
Parsed parse(const QByteArray &file)
{
    Parsed p;
    QString error;
    const QByteArray stream = xlstest::workbookStream(file, &error);
    EXPECT_EQ(error, QString());
    const std::vector<xlstest::Record> records = xlstest::records(stream);
    std::vector<quint32> offsets;
    qsizetype labels = 0;
    for (size_t i = 0; i < records.size(); ++i) {
        const xlstest::Record &r = records[i];
        EXPECT_LE(r.payload.size(), 8224);
        if (r.id == 0x0085) {
            offsets.push_back(u32(r.payload, 0));
            p.sheetNames.push_back(QString::fromLatin1(r.payload.mid(8, r.payload[6])));
        } else if (r.id == 0x00FC) {
            p.sst = xlstest::decodeSst(records, i);
        } else if (r.id == 0x0809 && u16(r.payload, 2) == 0x0010) {
            EXPECT_EQ(r.offset, offsets.at(p.sheets.size()));
            p.sheets.emplace_back();
        } else if (r.id == 0x0200) {
            p.dimensions.push_back({u32(r.payload, 4), u16(r.payload, 8), u16(r.payload, 10)});
        } else if (r.id == 0x0208 && !p.sheets.back().empty()) {
            EXPECT_LT(p.sheets.back().back().row, u16(r.payload, 0) / 32 * 32) << "ROW record after its block's cells";
        } else if (r.id == 0x00FD || r.id == 0x0201) {
            std::vector<Cell> &cells = p.sheets.back();
            const Cell cell{u16(r.payload, 0), u16(r.payload, 2), u16(r.payload, 4), r.id == 0x0201 ? u"<blank>"_qs : p.sst.strings.at(u32(r.payload, 6))};
            if (!cells.empty()) {
                EXPECT_LT(std::pair(cells.back().row, cells.back().column), std::pair(cell.row, cell.column));
            }
            cells.push_back(cell);
            labels += r.id == 0x00FD;
        } else if (r.id == 0x023E) {
            p.window2Flags.push_back(u16(r.payload, 0));
        }
    }
    EXPECT_EQ(p.sheets.size(), offsets.size());
    EXPECT_EQ(p.sst.total, labels);
    return p;
}

TEST(XlsWorkbook, RowsComeOutInOrderAsTextCellsWithBlanksForEmptyTexts)
{
    Workbook book(std::vector<QString>{u"00012345"_qs, QString(), u"first"_qs});
    book.appendRow(std::vector<QString>{});  // an empty row keeps its place
    book.appendRow(std::vector<QString>{u"first"_qs, QString(40000, u'x')});
    std::vector<QString> wide(Workbook::kMaxColumns + 2, u"w"_qs);
    book.appendRow(wide);

    const Parsed p = parse(bytesOf(book));
    const std::vector<Cell> expected = {{0, 0, 16, u"00012345"_qs}, {0, 1, 16, u"<blank>"_qs}, {0, 2, 16, u"first"_qs},
                                        {2, 0, 16, u"first"_qs}, {2, 1, 16, QString(32767, u'x')}};
    ASSERT_EQ(p.sheets.at(0).size(), expected.size() + Workbook::kMaxColumns);
    EXPECT_EQ(std::vector<Cell>(p.sheets[0].begin(), p.sheets[0].begin() + 5), expected);
    EXPECT_EQ(p.sheets[0].back(), (Cell{3, Workbook::kMaxColumns - 1, 16, u"w"_qs}));
    EXPECT_EQ(p.sst.strings, (std::vector<QString>{u"00012345"_qs, u"first"_qs, QString(32767, u'x'), u"w"_qs}));
    EXPECT_EQ(p.dimensions.at(0), (std::array<quint32, 3>{4, 0, Workbook::kMaxColumns}));
}

// A full sheet never drops a row: the next one starts with the header row again.
struct SheetCase {
    const char *name;
    int rows;                    // appended below the header
    std::vector<int> sheetRows;  // per sheet, its header row included
};
void PrintTo(const SheetCase &c, std::ostream *out)
{
    *out << c.name;
}

class XlsWorkbookSheets : public ::testing::TestWithParam<SheetCase> {};

TEST_P(XlsWorkbookSheets, EveryRowIsKeptAndEverySheetStartsWithTheHeader)
{
    const std::vector<QString> header = {u"\u570b\u8a9e"_qs, u"code"_qs};
    Workbook book(header);
    for (int row = 0; row < GetParam().rows; ++row)
        book.appendRow(std::vector<QString>{QString::number(row)});
    const size_t sheets = GetParam().sheetRows.size();
    EXPECT_EQ(book.sheetCount(), int(sheets));

    const Parsed p = parse(bytesOf(book));
    ASSERT_EQ(p.sheets.size(), sheets);
    int before = 0;  // data rows on earlier sheets
    for (size_t s = 0; s < sheets; ++s) {
        SCOPED_TRACE(s);
        const int rows = GetParam().sheetRows[s];
        EXPECT_EQ(p.sheetNames[s], QStringLiteral("Sheet%1").arg(s + 1));
        EXPECT_EQ(p.window2Flags.at(s), s == 0 ? 0x06B6 : 0x00B6);  // only the first tab is selected
        EXPECT_EQ(p.dimensions.at(s)[0], quint32(rows));
        ASSERT_GE(p.sheets[s].size(), 2u);
        EXPECT_EQ(p.sheets[s][0], (Cell{0, 0, 16, header[0]}));
        EXPECT_EQ(p.sheets[s][1], (Cell{0, 1, 16, header[1]}));
        before += rows - 1;
        if (rows > 1) {
            EXPECT_EQ(p.sheets[s].back(), (Cell{rows - 1, 0, 16, QString::number(before - 1)}));
        }
    }
    EXPECT_EQ(before, GetParam().rows);
}

constexpr int kFull = Workbook::kMaxRows;
INSTANTIATE_TEST_SUITE_P(Rows, XlsWorkbookSheets,
                         ::testing::Values(SheetCase{"HeaderOnly", 0, {1}}, SheetCase{"OneRow", 1, {2}},
                                           SheetCase{"OneRowShortOfFull", kFull - 2, {kFull - 1}},
                                           SheetCase{"FullSheet", kFull - 1, {kFull}},
                                           SheetCase{"OneRowPastFull", kFull, {kFull, 2}},
                                           SheetCase{"ThreeSheets", 2 * (kFull - 1) + 70, {kFull, kFull, 71}}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(XlsWorkbook, HeaderOnlyFileIsPaddedToTheMiniStreamCutoff)
{
    std::vector<QString> header;
    for (int c = 0; c < 9; ++c)
        header.push_back(u"\u6b4c\u540d"_qs + QString::number(c));
    EXPECT_EQ(bytesOf(Workbook(header)).size(), 5632);
}

// The program saves through a QSaveFile, which it drops when writing fails.
TEST(XlsWorkbook, WritingFailsOnAFullDevice)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << "Windows has no device that is always full";
#else
    Workbook book(std::vector<QString>{u"x"_qs});
    QFile full(u"/dev/full"_qs);
    ASSERT_TRUE(full.open(QIODevice::WriteOnly));
    EXPECT_FALSE(book.write(full));
#endif
}

} // namespace
