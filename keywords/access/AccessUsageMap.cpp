#include "keywords/access/AccessUsageMap.h"

#include "keywords/access/AccessDataPage.h"
#include "keywords/access/AccessFormat.h"
#include "keywords/access/AccessPageFile.h"

namespace keywords::access {

namespace {

// Adds the page of each set bit, the first bit standing for firstPage.
void addPages(QList<quint32> &pages, QByteArrayView bitmap, qint64 firstPage, quint32 pageCount, int *pastEnd)
{
    for (qsizetype at = 0; at < bitmap.size(); ++at) {
        const quint8 bits = quint8(bitmap[at]);
        for (int bit = 0; bits != 0 && bit < 8; ++bit) {
            const qint64 page = firstPage + at * 8 + bit;
            if ((bits >> bit & 1) == 0)
                continue;
            if (page < pageCount)
                pages.append(quint32(page));
            else
                ++*pastEnd;
        }
    }
}

} // namespace

std::optional<QList<quint32>> usedPages(PageFile &file, RowPointer map, UsageMapLoss *loss)
{
    const std::optional<QByteArray> row = rowBytes(file, map);
    if (!row || row->isEmpty())
        return std::nullopt;
    const Bytes bytes(*row);
    QList<quint32> pages;
    if (*bytes.u8(0) == usage::kInline) {
        const auto firstPage = bytes.u32(1);
        if (!firstPage)
            return std::nullopt;
        addPages(pages, row->sliced(usage::kInlineBitmapAt), *firstPage, file.pageCount(), &loss->pagesPastEnd);
        return pages;
    }
    if (*bytes.u8(0) != usage::kPages)
        return std::nullopt;
    // Each map page covers the bits of a whole page, less its header.
    const qint64 pagesPerMapPage = qint64(file.pageSize() - usage::kMapPageHeader) * 8;
    for (qsizetype i = 0; bytes.has(1 + i * 4, 4); ++i) {
        const quint32 mapPage = *bytes.u32(1 + i * 4);
        if (mapPage == 0)
            continue;
        const QByteArray page = file.page(mapPage);
        if (page.isEmpty() || quint8(page[0]) != pagetype::kUsageMap) {
            ++loss->lostMapPages;
            continue;
        }
        addPages(pages, QByteArrayView(page).sliced(usage::kMapPageHeader), i * pagesPerMapPage, file.pageCount(),
                 &loss->pagesPastEnd);
    }
    return pages;
}

} // namespace keywords::access
