// Compound file (version 3, 512-byte sectors) holding the single "Workbook" stream.
#include "CompoundFile.h"

#include <QStringView>

#include <algorithm>

namespace xls::cfb {

namespace {

constexpr quint32 kNoStream = 0xFFFFFFFF;
constexpr int kIdsPerSector = int(kSectorSize / 4);
constexpr int kDifatSlotsPerSector = kIdsPerSector - 1;  // the last slot links to the next DIFAT sector

quint32 ceilDiv(qsizetype a, qsizetype b) { return quint32((a + b - 1) / b); }

void writeHeaderSector(char *at, const Layout &layout)
{
    static const unsigned char kSignature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
    std::fill(at, at + kHeaderSize, char(0));
    std::copy(kSignature, kSignature + 8, at);
    storeU16(at + 0x18, 0x003E);  // minor version
    storeU16(at + 0x1A, 0x0003);  // major version 3
    storeU16(at + 0x1C, 0xFFFE);  // byte order mark
    storeU16(at + 0x1E, 9);       // 512-byte sectors
    storeU16(at + 0x20, 6);       // 64-byte mini sectors
    storeU32(at + 0x2C, layout.fatSectors);
    storeU32(at + 0x30, layout.directorySector());
    storeU32(at + 0x38, quint32(kMiniStreamCutoff));
    storeU32(at + 0x3C, kEndOfChain);  // no mini FAT
    storeU32(at + 0x44, layout.difatSectors ? layout.firstDifatSector() : kEndOfChain);
    storeU32(at + 0x48, layout.difatSectors);
    for (int i = 0; i < kHeaderDifatSlots; ++i)
        storeU32(at + 0x4C + 4 * i, quint32(i) < layout.fatSectors ? layout.firstFatSector() + quint32(i) : kFreeSector);
}

void writeDirectoryEntry(char *at, QStringView name, quint8 type, quint32 child, quint32 start, quint32 size)
{
    std::fill(at, at + 128, char(0));
    for (qsizetype i = 0; i < name.size(); ++i)
        storeU16(at + 2 * i, name[i].unicode());
    storeU16(at + 0x40, name.isEmpty() ? 0 : quint16(2 * (name.size() + 1)));
    at[0x42] = char(type);
    at[0x43] = type ? 1 : 0;  // black: a lone child keeps the red-black tree valid
    storeU32(at + 0x44, kNoStream);
    storeU32(at + 0x48, kNoStream);
    storeU32(at + 0x4C, child);
    storeU32(at + 0x74, start);
    storeU32(at + 0x78, size);
}

void writeDirectory(char *at, const Layout &layout)
{
    writeDirectoryEntry(at, u"Root Entry", 5, 1, kEndOfChain, 0);
    writeDirectoryEntry(at + 128, u"Workbook", 2, kNoStream, 0, layout.streamSize);
    writeDirectoryEntry(at + 256, {}, 0, kNoStream, 0, 0);
    writeDirectoryEntry(at + 384, {}, 0, kNoStream, 0, 0);
}

void writeDifat(char *at, const Layout &layout)
{
    quint32 fat = kHeaderDifatSlots;
    for (quint32 d = 0; d < layout.difatSectors; ++d) {
        char *sector = at + qsizetype(d) * kSectorSize;
        for (int slot = 0; slot < kDifatSlotsPerSector; ++slot, ++fat)
            storeU32(sector + 4 * slot, fat < layout.fatSectors ? layout.firstFatSector() + fat : kFreeSector);
        const bool last = d + 1 == layout.difatSectors;
        storeU32(sector + 4 * kDifatSlotsPerSector, last ? kEndOfChain : layout.firstDifatSector() + d + 1);
    }
}

// What the FAT holds for a sector.
quint32 fatEntry(const Layout &layout, quint32 sector)
{
    if (sector + 1 < layout.streamSectors)
        return sector + 1;
    if (sector <= layout.directorySector())  // the stream's last sector, and the one-sector directory
        return kEndOfChain;
    if (sector < layout.firstDifatSector())
        return kFatSector;
    if (sector < layout.sectorCount())
        return kDifatSector;
    return kFreeSector;
}

} // namespace

Layout planLayout(qsizetype streamBytes)
{
    Layout layout;
    layout.streamSize = quint32(std::max(streamBytes, kMiniStreamCutoff));
    layout.streamSectors = ceilDiv(layout.streamSize, kSectorSize);
    // The FAT covers its own sectors and the DIFAT's, so grow both until they stop changing.
    for (;;) {
        const quint32 fat = ceilDiv(layout.streamSectors + 1 + layout.fatSectors + layout.difatSectors, kIdsPerSector);
        const quint32 difat = fat <= quint32(kHeaderDifatSlots) ? 0 : ceilDiv(fat - kHeaderDifatSlots, kDifatSlotsPerSector);
        if (fat == layout.fatSectors && difat == layout.difatSectors)
            return layout;
        layout.fatSectors = fat;
        layout.difatSectors = difat;
    }
}

void writeHeader(ByteWriter &out, const Layout &layout)
{
    writeHeaderSector(out.claim(kHeaderSize), layout);
}

void writeTrailer(ByteWriter &out, const Layout &layout, qsizetype streamBytes)
{
    out.zeros(qsizetype(layout.streamSectors) * kSectorSize - streamBytes);
    writeDirectory(out.claim(kSectorSize), layout);
    quint32 sector = 0;
    for (quint32 i = 0; i < layout.fatSectors; ++i) {
        char *at = out.claim(kSectorSize);
        for (int slot = 0; slot < kIdsPerSector; ++slot)
            storeU32(at + 4 * slot, fatEntry(layout, sector++));
    }
    writeDifat(out.claim(qsizetype(layout.difatSectors) * kSectorSize), layout);
}

} // namespace xls::cfb
