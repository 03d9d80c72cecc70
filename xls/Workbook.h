// An .xls (Excel 97-2003) workbook of text cells, encoded row by row as the rows are appended.
#pragma once

#include "SharedStrings.h"
#include "WorksheetStream.h"

#include <QString>

#include <deque>
#include <span>
#include <vector>

class QIODevice;

namespace xls {

// Sheets are named "Sheet1", "Sheet2", ... in order of creation; rows go to the newest sheet, each
// below the last. Every cell has the Text format "@", so that texts such as codes keep their
// leading zeros.
class Workbook {
public:
    static constexpr int kMaxRows = 65536;   // rows per worksheet
    static constexpr int kMaxColumns = 256;  // columns per worksheet (A to IV)

    void addWorksheet();

    // The newest sheet's next row, one text per column from column A. An empty text still makes a
    // (blank) cell, so that its format survives. Rows past kMaxRows and columns past kMaxColumns
    // are left out, as a sheet cannot hold them.
    void appendRow(std::span<const QString> texts);

    // The whole .xls file, passed on to the device as it is laid out. False without a worksheet or
    // when the device fails; the device then says why.
    bool write(QIODevice &device) const;

private:
    void writeFile(ByteWriter &out) const;

    std::deque<WorksheetStream> m_sheets;  // not movable: they own their encoders
    SharedStrings m_strings;
    quint32 m_textCells = 0;
    std::vector<quint32> m_rowCells;  // reused for each row
};

} // namespace xls
