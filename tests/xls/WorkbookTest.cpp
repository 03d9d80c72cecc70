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
    Workbook book;
    book.addWorksheet();
    book.appendRow(std::vector<QString>{u"00012345"_qs, QString(), u"first"_qs});
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

TEST(XlsWorkbook, SheetsAreNamedInOrderFoundAtTheirOffsetsAndOnlyTheFirstIsSelected)
{
    Workbook book;
    for (int s = 0; s < 3; ++s) {
        book.addWorksheet();
        for (int row = 0; row < 70 * s + 1; ++row)  // the third sheet spans three 32-row blocks
            book.appendRow(std::vector<QString>{u"\u570b\u8a9e"_qs, QString::number(row)});
    }
    const Parsed p = parse(bytesOf(book));
    EXPECT_EQ(p.sheetNames, (std::vector<QString>{u"Sheet1"_qs, u"Sheet2"_qs, u"Sheet3"_qs}));
    EXPECT_EQ(p.window2Flags, (std::vector<quint16>{0x06B6, 0x00B6, 0x00B6}));
    ASSERT_EQ(p.sheets.at(2).size(), 282u);
    EXPECT_EQ(p.sheets[2].back(), (Cell{140, 1, 16, u"140"_qs}));
    EXPECT_EQ(p.dimensions.at(2), (std::array<quint32, 3>{141, 0, 2}));
}

TEST(XlsWorkbook, HeaderOnlyFileIsPaddedToTheMiniStreamCutoff)
{
    Workbook book;
    book.addWorksheet();
    std::vector<QString> header;
    for (int c = 0; c < 9; ++c)
        header.push_back(u"\u6b4c\u540d"_qs + QString::number(c));
    book.appendRow(header);
    EXPECT_EQ(bytesOf(book).size(), 5632);
}

TEST(XlsWorkbook, AFullSheetTakesNoMoreRows)
{
    Workbook book;
    book.addWorksheet();
    for (int row = 0; row <= Workbook::kMaxRows; ++row)
        book.appendRow(std::vector<QString>{QString::number(row)});
    const Parsed p = parse(bytesOf(book));
    EXPECT_EQ(p.sheets.at(0).size(), size_t(Workbook::kMaxRows));
    EXPECT_EQ(p.sheets[0].back().text, QString::number(Workbook::kMaxRows - 1));
}

// The program saves through a QSaveFile, which it drops when writing fails.
TEST(XlsWorkbook, WritingFailsOnAFullDeviceAndWithoutASheet)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_FALSE(Workbook().write(buffer));
#ifndef Q_OS_WIN // Windows has no device that is always full
    Workbook book;
    book.addWorksheet();
    book.appendRow(std::vector<QString>{u"x"_qs});
    QFile full(u"/dev/full"_qs);
    ASSERT_TRUE(full.open(QIODevice::WriteOnly));
    EXPECT_FALSE(book.write(full));
#endif
}

} // namespace
