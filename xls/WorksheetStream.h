// The worksheet substream: sheet settings, DIMENSIONS, ROW blocks with their cells, WINDOW2.
#pragma once

#include "ByteWriter.h"
#include "CellStore.h"

#include <span>

namespace xls {

struct WorksheetOptions {
    bool selected = false;           // exactly one sheet is the active tab
    const quint32 *remap = nullptr;  // shared string index renumbering, when unused strings were dropped
};

// Exact byte length of the substream writeWorksheet() produces.
qsizetype worksheetStreamSize(const CellSummary &summary);

// cells: ascending, one per position, as CellStore::cells() gives them.
void writeWorksheet(ByteWriter &out, std::span<const CellEntry> cells, const CellSummary &summary, const WorksheetOptions &options);

} // namespace xls
