// The worksheet substream: sheet settings, DIMENSIONS, ROW blocks with their cells, WINDOW2.
#pragma once

#include "ByteWriter.h"

#include <QByteArray>

#include <span>
#include <vector>

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

    ByteWriter m_head{512};              // BOF, settings, DIMENSIONS
    std::vector<QByteArray> m_body;      // the finished blocks, gathered in chunks that never move
    qsizetype m_bodySize = 0;
    ByteWriter m_blockRows{1024};        // the current block's ROW records...
    ByteWriter m_blockCells{8 * 1024};   // ...and its cells, which follow them
    ByteWriter m_end;                    // WINDOW2 and EOF
    qsizetype m_dimensions = 0;          // where DIMENSIONS's payload starts in m_head
    int m_rows = 0;
    int m_block = 0;  // of the rows in m_blockRows
    int m_firstRowWithCells = -1;
    int m_columns = 0;
};

} // namespace xls
