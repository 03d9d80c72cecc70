// Whole workbooks read back record by record: cell order and formats, sheets, strings, saving.
#include "XlsTestReader.h"

#include "xls/Workbook.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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
    std::vector<std::vector<Cell>> sheets;
    std::vector<quint16> window2Flags;
    xlstest::Sst sst;
};

// Follows BOUNDSHEET offsets to each sheet and collects its cells, checking the structure on the way.
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

TEST(XlsWorkbook, CellsComeOutAscendingOnceEachWithTheirLastValueAndFormat)
{
    Workbook book;
    const int sheet = book.addWorksheet();
    book.setTextCell(sheet, 2, 1, u"late"_qs);
    book.setTextCell(sheet, 0, 3, u"first"_qs);
    book.setTextCell(sheet, 0, 0, u"00012345"_qs);
    book.setTextCell(sheet, 0, 1, u"general"_qs, false);
    book.setTextCell(sheet, 0, 1, u"general"_qs);      // the later format wins
    book.setTextCell(sheet, 0, 2, QString());          // blank, keeps its Text format
    book.setTextCell(sheet, 2, 1, u"again"_qs);        // replaces "late"
    book.setTextCell(sheet, 0, 4, QString(), false);

    const Parsed p = parse(book.toBytes());
    const std::vector<Cell> expected = {{0, 0, 16, u"00012345"_qs}, {0, 1, 16, u"general"_qs}, {0, 2, 16, u"<blank>"_qs},
                                        {0, 3, 16, u"first"_qs},    {0, 4, 15, u"<blank>"_qs}, {2, 1, 16, u"again"_qs}};
    EXPECT_EQ(p.sheets.at(0), expected);
    EXPECT_EQ(p.sst.strings, (std::vector<QString>{u"first"_qs, u"00012345"_qs, u"general"_qs, u"again"_qs}));
}

TEST(XlsWorkbook, SheetsAreNamedInOrderAndOnlyTheFirstIsSelected)
{
    Workbook book;
    for (int s = 0; s < 3; ++s) {
        EXPECT_EQ(book.addWorksheet(), s);
        book.setTextCell(s, s, 0, u"\u570b\u8a9e"_qs);
        book.setTextCell(s, 70, 8, QString::number(s));  // a second 32-row block
    }
    const QByteArray bytes = book.toBytes();
    const Parsed p = parse(bytes);
    EXPECT_EQ(p.sheetNames, (std::vector<QString>{u"Sheet1"_qs, u"Sheet2"_qs, u"Sheet3"_qs}));
    EXPECT_EQ(p.window2Flags, (std::vector<quint16>{0x06B6, 0x00B6, 0x00B6}));
    EXPECT_EQ(p.sheets.at(2), (std::vector<Cell>{{2, 0, 16, u"\u570b\u8a9e"_qs}, {70, 8, 16, u"2"_qs}}));
    EXPECT_EQ(p.sst.strings.size(), 4u);

    QBuffer streamed;
    streamed.open(QIODevice::WriteOnly);
    ASSERT_TRUE(book.write(streamed));
    EXPECT_EQ(streamed.data(), bytes);
}

TEST(XlsWorkbook, HeaderOnlyFileIsPaddedToTheMiniStreamCutoff)
{
    Workbook book;
    book.addWorksheet();
    for (int c = 0; c < 9; ++c)
        book.setTextCell(0, 0, c, u"\u6b4c\u540d"_qs + QString::number(c));
    EXPECT_EQ(book.toBytes().size(), 5632);
}

TEST(XlsWorkbook, CellsOutsideTheSheetsChangeNothingAndLongTextIsCut)
{
    Workbook book;
    book.addWorksheet();
    book.setTextCell(0, 0, 0, QString(40000, u'x'));
    const QByteArray before = book.toBytes();
    book.setTextCell(1, 0, 0, u"x"_qs);
    book.setTextCell(0, 0, Workbook::kMaxColumns, u"x"_qs);
    book.setTextCell(0, Workbook::kMaxRows, 0, u"x"_qs);
    book.setTextCell(-1, 0, 0, u"x"_qs);
    EXPECT_EQ(book.toBytes(), before);
    EXPECT_EQ(parse(before).sst.strings.at(0).size(), 32767);
}

// A path that cannot be written, a full disk and an empty workbook fail with a reason and leave no
// file; an existing file is replaced whole.
TEST(XlsSaving, FailuresLeaveNoFileAndSavingReplaces)
{
    Workbook book;
    book.setTextCell(book.addWorksheet(), 0, 0, u"x"_qs);
    QTemporaryDir dir;
    for (const QString &path : {dir.filePath(u"missing/out.xls"_qs), u"/proc/nonexistent/x.xls"_qs}) {
        QString error;
        EXPECT_FALSE(book.saveAs(path, &error));
        EXPECT_FALSE(error.isEmpty());
        EXPECT_FALSE(QFile::exists(path));
    }
    QString error;
#ifndef Q_OS_WIN // Windows has no device that is always full
    QFile full(u"/dev/full"_qs);
    ASSERT_TRUE(full.open(QIODevice::WriteOnly));
    EXPECT_FALSE(book.write(full, &error));
    EXPECT_FALSE(error.isEmpty());
#endif
    EXPECT_FALSE(Workbook().saveAs(dir.filePath(u"empty.xls"_qs), &error));
    EXPECT_TRUE(Workbook().toBytes().isEmpty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());

    const QString path = dir.filePath(u"out.xls"_qs);
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(100000, 'o'));
    old.close();
    ASSERT_TRUE(book.saveAs(path));
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), book.toBytes());
}

} // namespace
