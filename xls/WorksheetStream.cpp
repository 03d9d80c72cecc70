// The worksheet substream: sheet settings, DIMENSIONS, ROW blocks with their cells, WINDOW2.
#include "WorksheetStream.h"

#include "BiffRecords.h"

namespace xls {

namespace {

// Rows go out in blocks of 32, each block's ROW records ahead of its cells, as Excel lays them out.
// No INDEX/DBCELL records are written: they only speed up Excel's own reading, no reader we target
// uses them, and a wrong offset in them would do more harm than their absence.
constexpr int kRowsPerBlock = 32;

// Settings: ten one-word records, DELTA and GUTS with 8 bytes, DEFAULTROWHEIGHT with 4.
constexpr qsizetype kSettingsSize = 10 * 6 + 2 * 12 + 8;
constexpr qsizetype kFixedSize = biff::kBofSize + kSettingsSize + 18 /* DIMENSIONS */ + 22 /* WINDOW2 */ + 4 /* EOF */;

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

void writeDimensions(ByteWriter &out, const CellSummary &s)
{
    const bool empty = s.lastRow < 0;
    char *at = out.claim(4 + 14);
    storeU16(at, biff::kDimensions);
    storeU16(at + 2, 14);
    storeU32(at + 4, empty ? 0 : quint32(s.firstRow));
    storeU32(at + 8, empty ? 0 : quint32(s.lastRow + 1));
    storeU16(at + 12, empty ? 0 : quint16(s.firstColumn));
    storeU16(at + 14, empty ? 0 : quint16(s.lastColumn + 1));
    storeU16(at + 16, 0);
}

// One ROW record per row of the block; returns the end of the block's cells.
const CellEntry *writeRows(ByteWriter &out, const CellEntry *from, const CellEntry *end)
{
    const int block = from->row() / kRowsPerBlock;
    while (from != end && from->row() / kRowsPerBlock == block) {
        const int row = from->row();
        const CellEntry *last = from;
        while (last + 1 != end && last[1].row() == row)
            ++last;
        char *at = out.claim(biff::kRowSize);
        storeU16(at, biff::kRow);
        storeU16(at + 2, 16);
        storeU16(at + 4, quint16(row));
        storeU16(at + 6, quint16(from->column()));
        storeU16(at + 8, quint16(last->column() + 1));
        storeU16(at + 10, 0x00FF);  // default height, 12.75 pt
        storeU16(at + 12, 0);
        storeU16(at + 14, 0);
        storeU32(at + 16, 0x000F0100);  // default cell format XF 15
        from = last + 1;
    }
    return from;
}

void writeCells(ByteWriter &out, const CellEntry *from, const CellEntry *end, const quint32 *remap)
{
    for (; from != end; ++from) {
        const quint16 xf = from->textFormat() ? biff::kTextXf : biff::kGeneralXf;
        if (from->isBlank()) {
            char *at = out.claim(biff::kBlankSize);
            storeU16(at, biff::kBlank);
            storeU16(at + 2, 6);
            storeU16(at + 4, quint16(from->row()));
            storeU16(at + 6, quint16(from->column()));
            storeU16(at + 8, xf);
        } else {
            char *at = out.claim(biff::kLabelSstSize);
            storeU16(at, biff::kLabelSst);
            storeU16(at + 2, 10);
            storeU16(at + 4, quint16(from->row()));
            storeU16(at + 6, quint16(from->column()));
            storeU16(at + 8, xf);
            storeU32(at + 10, remap ? remap[from->value] : from->value);
        }
    }
}

} // namespace

qsizetype worksheetStreamSize(const CellSummary &summary)
{
    return kFixedSize + summary.rows * biff::kRowSize + summary.labels * biff::kLabelSstSize + summary.blanks * biff::kBlankSize;
}

void writeWorksheet(ByteWriter &out, std::span<const CellEntry> cells, const CellSummary &summary, const WorksheetOptions &options)
{
    out.record(biff::kBof, {biff::kBiff8Version, biff::kBofWorksheet, 0x0DBB, 0x07CC, 0, 0, 6, 0});
    writeSettings(out);
    writeDimensions(out, summary);

    const CellEntry *from = cells.data();
    const CellEntry *end = from + cells.size();
    while (from != end) {
        const CellEntry *blockEnd = writeRows(out, from, end);
        writeCells(out, from, blockEnd, options.remap);
        from = blockEnd;
    }

    out.record(biff::kWindow2, {quint16(options.selected ? 0x06B6 : 0x00B6), 0, 0, 0x40, 0, 0, 0, 0, 0});
    out.record(biff::kEof, {});
}

} // namespace xls
