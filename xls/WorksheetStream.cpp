// The worksheet substream: sheet settings, DIMENSIONS, ROW blocks with their cells, WINDOW2.
#include "WorksheetStream.h"

#include "BiffRecords.h"

#include <algorithm>

namespace xls {

namespace {

// Rows go out in blocks of 32, each block's ROW records ahead of its cells, as Excel lays them out.
// No INDEX/DBCELL records are written: they only speed up Excel's own reading, no reader we target
// uses them, and a wrong offset in them would do more harm than their absence.
constexpr int kRowsPerBlock = 32;
// Finished blocks are gathered in chunks of this size rather than in one growing buffer, which
// would copy the whole sheet each time it grew.
constexpr qsizetype kChunkSize = 1024 * 1024;

void writeSettings(ByteWriter &out)
{
    out.record(biff::kCalcMode, {1});
    out.record(biff::kCalcCount, {100});
    out.record(biff::kRefMode, {1});
    out.record(biff::kIteration, {0});
    const qsizetype delta = out.beginRecord(biff::kDelta);
    out.f64(0.001);
    out.endRecord(delta);
    out.record(biff::kSaveRecalc, {1});
    out.record(biff::kPrintHeaders, {0});
    out.record(biff::kPrintGridlines, {0});
    out.record(biff::kGridSet, {1});
    out.record(biff::kGuts, {0, 0, 0, 0});
    out.record(biff::kDefaultRowHeight, {0, 0x00FF});
    out.record(biff::kWsBool, {0x04C1});
    out.record(biff::kDefColWidth, {8});
}

void writeRow(ByteWriter &out, int row, int columns)
{
    char *at = out.claim(biff::kRowSize);
    storeU16(at, biff::kRow);
    storeU16(at + 2, 16);
    storeU16(at + 4, quint16(row));
    storeU16(at + 6, 0);  // first column
    storeU16(at + 8, quint16(columns));
    storeU16(at + 10, 0x00FF);  // default height, 12.75 pt
    storeU16(at + 12, 0);
    storeU16(at + 14, 0);
    storeU32(at + 16, 0x000F0100);  // default cell format XF 15
}

void writeCells(ByteWriter &out, int row, std::span<const quint32> cells)
{
    for (size_t column = 0; column < cells.size(); ++column) {
        if (cells[column] == kBlankCell) {
            char *at = out.claim(biff::kBlankSize);
            storeU16(at, biff::kBlank);
            storeU16(at + 2, 6);
            storeU16(at + 4, quint16(row));
            storeU16(at + 6, quint16(column));
            storeU16(at + 8, biff::kTextXf);
        } else {
            char *at = out.claim(biff::kLabelSstSize);
            storeU16(at, biff::kLabelSst);
            storeU16(at + 2, 10);
            storeU16(at + 4, quint16(row));
            storeU16(at + 6, quint16(column));
            storeU16(at + 8, biff::kTextXf);
            storeU32(at + 10, cells[column]);
        }
    }
}

} // namespace

WorksheetStream::WorksheetStream(bool selected)
{
    m_head.record(biff::kBof, {biff::kBiff8Version, biff::kBofWorksheet, 0x0DBB, 0x07CC, 0, 0, 6, 0});
    writeSettings(m_head);
    // First row, last row + 1, first column, last column + 1, reserved: all 0 while the sheet is
    // empty, brought up to date with every row.
    m_dimensions = m_head.size() + kRecordHeaderSize;
    m_head.record(biff::kDimensions, {0, 0, 0, 0, 0, 0, 0});

    m_end.record(biff::kWindow2, {quint16(selected ? 0x06B6 : 0x00B6), 0, 0, 0x40, 0, 0, 0, 0, 0});
    m_end.record(biff::kEof, {});
}

void WorksheetStream::appendRow(std::span<const quint32> cells)
{
    const int row = m_rows++;
    if (cells.empty())
        return;
    if (row / kRowsPerBlock != m_block) {
        closeBlock();
        m_block = row / kRowsPerBlock;
    }
    writeRow(m_blockRows, row, int(cells.size()));
    writeCells(m_blockCells, row, cells);

    if (m_firstRowWithCells < 0) {
        m_firstRowWithCells = row;
        m_head.patchU32(m_dimensions, quint32(row));
    }
    m_columns = std::max(m_columns, int(cells.size()));
    m_head.patchU32(m_dimensions + 4, quint32(row + 1));
    m_head.patchU16(m_dimensions + 10, quint16(m_columns));
}

void WorksheetStream::closeBlock()
{
    const qsizetype blockSize = m_blockRows.size() + m_blockCells.size();
    if (blockSize == 0)
        return;
    if (m_body.empty() || m_body.back().size() + blockSize > m_body.back().capacity()) {
        m_body.emplace_back();
        m_body.back().reserve(std::max(kChunkSize, blockSize));
    }
    m_body.back().append(m_blockRows.view()).append(m_blockCells.view());
    m_bodySize += blockSize;
    m_blockRows.clear();
    m_blockCells.clear();
}

qsizetype WorksheetStream::size() const
{
    return m_head.size() + m_bodySize + m_blockRows.size() + m_blockCells.size() + m_end.size();
}

void WorksheetStream::writeTo(ByteWriter &out) const
{
    out.bytes(m_head.view());
    for (const QByteArray &chunk : m_body)
        out.bytes(chunk);
    out.bytes(m_blockRows.view());
    out.bytes(m_blockCells.view());
    out.bytes(m_end.view());
}

} // namespace xls
