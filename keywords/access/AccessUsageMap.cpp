#include "keywords/access/AccessUsageMap.h"

#include "keywords/access/AccessDataPage.h"
#include "keywords/access/AccessPageFile.h"

namespace keywords::access {

namespace {

constexpr quint8 kInlineMap = 0x00;
constexpr quint8 kPageMap = 0x01;
constexpr quint8 kMapPage = 0x05;
constexpr qsizetype kMapPageHeader = 4;

// Adds the page of each set bit, the first bit standing for firstPage.
void addPages(QList<quint32> &pages, QByteArrayView bitmap, qint64 firstPage, quint32 pageCount)
{
    for (qsizetype at = 0; at < bitmap.size(); ++at) {
        const quint8 bits = quint8(bitmap[at]);
        for (int bit = 0; bits != 0 && bit < 8; ++bit) {
            const qint64 page = firstPage + at * 8 + bit;
            if ((bits >> bit & 1) != 0 && page < pageCount)
                pages.append(quint32(page));
        }
    }
}

} // namespace

std::optional<QByteArray> rowBytes(PageFile &file, RowPointer pointer, bool allowDeleted)
{
    const QByteArray page = file.page(pointer.page);
    int damaged = 0;
    const std::optional<QList<RowSlot>> entries = rowSlots(page, &damaged);
    if (!entries || pointer.row >= entries->size())
        return std::nullopt;
    const RowSlot &slot = entries->at(pointer.row);
    if ((slot.deleted && !allowDeleted) || slot.moved || slot.end <= slot.start)
        return std::nullopt;
    return page.sliced(slot.start, slot.end - slot.start);
}

std::optional<QList<quint32>> usedPages(PageFile &file, RowPointer map, int *damaged)
{
    const std::optional<QByteArray> row = rowBytes(file, map);
    if (!row || row->isEmpty())
        return std::nullopt;
    const Bytes bytes(*row);
    QList<quint32> pages;
    if (*bytes.u8(0) == kInlineMap) {
        const auto firstPage = bytes.u32(1);
        if (!firstPage)
            return std::nullopt;
        addPages(pages, row->sliced(5), *firstPage, file.pageCount());
        return pages;
    }
    if (*bytes.u8(0) != kPageMap)
        return std::nullopt;
    // Each map page covers the bits of a whole page, less its header.
    const qint64 pagesPerMapPage = qint64(file.pageSize() - kMapPageHeader) * 8;
    for (qsizetype i = 0; bytes.has(1 + i * 4, 4); ++i) {
        const quint32 mapPage = *bytes.u32(1 + i * 4);
        if (mapPage == 0)
            continue;
        const QByteArray page = file.page(mapPage);
        if (page.isEmpty() || quint8(page[0]) != kMapPage) {
            ++*damaged;
            continue;
        }
        addPages(pages, QByteArrayView(page).sliced(kMapPageHeader), i * pagesPerMapPage, file.pageCount());
    }
    return pages;
}

} // namespace keywords::access
