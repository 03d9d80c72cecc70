// Encoding of the shared string table as SST + CONTINUE records, and its EXTSST index.
#pragma once

#include "ByteWriter.h"

#include <QString>

#include <span>
#include <vector>

namespace xls {

// Where an EXTSST bucket's first string starts.
struct SstBucket {
    quint32 offset;        // from the SST record's first header byte
    quint16 recordOffset;  // from the start (header included) of the SST or CONTINUE record holding it
};

struct SstLayout {
    quint16 stringsPerBucket = 8;
    std::vector<SstBucket> buckets;
};

// Strings per EXTSST bucket; keeps the index at 128 buckets or fewer.
quint16 extSstBucketSize(qsizetype uniqueCount);

// totalCount is the number of cells referring to the table (cstTotal); returns what EXTSST needs.
SstLayout writeSst(ByteWriter &out, std::span<const QString> strings, quint32 totalCount);

// sstStreamOffset: where in the stream the SST record was placed.
void writeExtSst(ByteWriter &out, const SstLayout &layout, quint32 sstStreamOffset);

} // namespace xls
