// The worksheet substream: sheet settings, DIMENSIONS, ROW blocks with their cells, WINDOW2.
#pragma once

#include "ByteWriter.h"

#include <span>

namespace xls {

// Cell value of an empty text: a BLANK record, which keeps the cell's Text format.
inline constexpr quint32 kBlankCell = 0xFFFFFFFF;

// Encodes rows as they are appended, so the sheet is kept as its records rather than as cells.
class WorksheetStream {
public:
    // Exactly one sheet, the first, is the selected tab.
    explicit WorksheetStream(bool selected);

    int rowCount() const { return m_rows; }
    // The next row: one shared string index (or kBlankCell) per column, starting at column A.
    void appendRow(std::span<const quint32> cells);

    // The substream as it stands, EOF included.
    qsizetype size() const;
    void writeTo(ByteWriter &out) const;

private:
    void closeBlock();

    ByteWriter m_records{64 * 1024};  // BOF up to the current block's ROW records
    ByteWriter m_blockCells{8 * 1024};  // the current block's cells, which follow its ROW records
    ByteWriter m_end;                 // WINDOW2 and EOF
    qsizetype m_dimensions = 0;       // where DIMENSIONS's payload starts in m_records
    int m_rows = 0;
    int m_block = 0;  // of the rows whose cells are in m_blockCells
    int m_firstRowWithCells = -1;
    int m_columns = 0;
};

} // namespace xls
