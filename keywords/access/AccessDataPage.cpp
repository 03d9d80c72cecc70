#include "keywords/access/AccessDataPage.h"

#include "keywords/access/AccessFormat.h"
#include "keywords/access/AccessPageFile.h"

namespace keywords::access {

std::optional<quint32> dataPageOwner(QByteArrayView page)
{
    const Bytes bytes(page);
    if (bytes.u8(0) != pagetype::kData)
        return std::nullopt;
    return bytes.u32(data::kOwnerAt);
}

std::optional<QList<RowSlot>> rowSlots(QByteArrayView page, int *damaged)
{
    const Bytes bytes(page);
    const auto count = bytes.u16(data::kRowCountAt);
    if (bytes.u8(0) != pagetype::kData || !count || !bytes.has(data::kRowTableAt, qint64(*count) * 2))
        return std::nullopt;
    const qsizetype rowsStart = data::kRowTableAt + qsizetype(*count) * 2;
    QList<RowSlot> entries;
    entries.reserve(*count);
    // Rows are stored from the end of the page backwards: each ends where the one before starts.
    qsizetype end = page.size();
    for (int i = 0; i < *count; ++i) {
        const quint16 entry = *bytes.u16(data::kRowTableAt + i * 2);
        const qsizetype start = entry & data::kOffsetMask;
        RowSlot slot{start, end, (entry & data::kDeletedFlag) != 0, (entry & data::kMovedFlag) != 0};
        if (start < rowsStart || start >= end) {
            // A deleted row may be left with no bytes; a live one never is.
            if (!slot.deleted)
                ++*damaged;
            entries.append({0, 0, true, false});
            continue;
        }
        entries.append(slot);
        end = start;
    }
    return entries;
}

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

} // namespace keywords::access
