// Compound file (version 3, 512-byte sectors) holding the single "Workbook" stream.
#pragma once

#include "ByteWriter.h"

namespace xls::cfb {

inline constexpr qsizetype kSectorSize = 512;
inline constexpr qsizetype kHeaderSize = 512;
// Streams declared shorter than this would have to live in the mini stream; ours are padded up to it.
inline constexpr qsizetype kMiniStreamCutoff = 4096;

inline constexpr quint32 kFreeSector = 0xFFFFFFFF;
inline constexpr quint32 kEndOfChain = 0xFFFFFFFE;
inline constexpr quint32 kFatSector = 0xFFFFFFFD;
inline constexpr quint32 kDifatSector = 0xFFFFFFFC;
inline constexpr int kHeaderDifatSlots = 109;

// Sector layout: stream sectors 0..W-1, the directory sector W, then F FAT and X DIFAT sectors.
struct Layout {
    quint32 streamSize = 0;  // as declared in the directory, padding included
    quint32 streamSectors = 0;
    quint32 fatSectors = 0;
    quint32 difatSectors = 0;

    quint32 directorySector() const { return streamSectors; }
    quint32 firstFatSector() const { return streamSectors + 1; }
    quint32 firstDifatSector() const { return firstFatSector() + fatSectors; }
    quint32 sectorCount() const { return firstDifatSector() + difatSectors; }
};

Layout planLayout(qsizetype streamBytes);

// The file is written front to back: writeHeader(), the stream's bytes, then writeTrailer(), which
// pads the stream to whole sectors and adds the directory, FAT and DIFAT sectors.
void writeHeader(ByteWriter &out, const Layout &layout);
void writeTrailer(ByteWriter &out, const Layout &layout, qsizetype streamBytes);

} // namespace xls::cfb
