// An .xls (Excel 97-2003) workbook of text cells, encoded row by row as the rows are appended.
#pragma once

#include "SharedStrings.h"
#include "TextWorkbook.h"
#include "WorksheetStream.h"

#include <QString>

#include <deque>
#include <span>
#include <vector>

class QIODevice;

namespace xls {

// Sheets are named "Sheet1", "Sheet2", ... in order; each starts with the header row, and rows go
// below the last one. Every cell has the Text format "@", so that texts such as codes keep their
// leading zeros.
class Workbook final : public TextWorkbook {
public:
    static constexpr int kMaxRows = 65536;   // rows per worksheet, the header row included
    static constexpr int kMaxColumns = 256;  // columns per worksheet (A to IV)

    // Starts Sheet1 with the header row at once, so a workbook without rows still has it.
    explicit Workbook(std::span<const QString> header);

    // The next row, one text per column from column A. A full sheet is never cut: the row starts
    // the next sheet, below a copy of the header row. An empty text still makes a (blank) cell, so
    // that its format survives. Columns past kMaxColumns are left out, as a sheet cannot hold them.
    void appendRow(std::span<const QString> texts);
    bool appendRow(std::span<const QStringView> texts) override;

    int sheetCount() const { return int(m_sheets.size()); }

    // The whole .xls file, passed on to the device as it is laid out. False when the device fails;
    // the device then says why.
    bool write(QIODevice &device) const;
    bool write(QIODevice &device, const std::function<bool()> &keepGoing) override;

private:
    void startSheet();
    void appendCells(std::span<const QString> texts);
    void writeFile(ByteWriter &out) const;

    std::vector<QString> m_header;
    std::deque<WorksheetStream> m_sheets;  // not movable: they own their encoders
    SharedStrings m_strings;
    quint32 m_textCells = 0;
    std::vector<quint32> m_rowCells;  // reused for each row
    std::vector<QString> m_rowTexts;  // reused for each row given as views
};

} // namespace xls
