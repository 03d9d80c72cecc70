// The workbook globals substream: workbook settings, fonts, cell formats, sheet list, shared strings.
#pragma once

#include "ByteWriter.h"
#include "SstRecords.h"

#include <QString>

#include <span>

namespace xls {

QString sheetName(int index);

// The text cells' shared strings, as the globals carry them.
struct SharedStringContent {
    std::span<const QString> strings;
    quint32 cellCount = 0;  // cells referring to the strings
    const SstLayout *layout = nullptr;  // from measureSst()
};

// Exact length of what writeGlobals() writes.
qsizetype globalsStreamSize(int sheetCount, const SstLayout &sst);

// streamStart is where the Workbook stream begins in `out`; sheetOffsets are the worksheets' stream
// offsets, known in advance because every part's size is.
void writeGlobals(ByteWriter &out, qsizetype streamStart, std::span<const quint32> sheetOffsets, const SharedStringContent &sst);

} // namespace xls
