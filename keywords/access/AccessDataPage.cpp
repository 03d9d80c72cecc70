#include "keywords/access/AccessDataPage.h"

namespace keywords::access {

namespace {
constexpr qsizetype kOwnerAt = 4;
constexpr qsizetype kRowCountAt = 0x0c;
constexpr qsizetype kRowTableAt = 0x0e;
constexpr quint16 kDeletedFlag = 0x8000;
constexpr quint16 kMovedFlag = 0x4000;
constexpr quint16 kOffsetMask = 0x1fff;
} // namespace

std::optional<quint32> dataPageOwner(QByteArrayView page)
{
    const Bytes bytes(page);
    if (bytes.u8(0) != kDataPage)
        return std::nullopt;
    return bytes.u32(kOwnerAt);
}

std::optional<QList<RowSlot>> rowSlots(QByteArrayView page, int *damaged)
{
    const Bytes bytes(page);
    const auto count = bytes.u16(kRowCountAt);
    if (bytes.u8(0) != kDataPage || !count || !bytes.has(kRowTableAt, qint64(*count) * 2))
        return std::nullopt;
    const qsizetype rowsStart = kRowTableAt + qsizetype(*count) * 2;
    QList<RowSlot> entries;
    entries.reserve(*count);
    // Rows are stored from the end of the page backwards: each ends where the one before starts.
    qsizetype end = page.size();
    for (int i = 0; i < *count; ++i) {
        const quint16 entry = *bytes.u16(kRowTableAt + i * 2);
        const qsizetype start = entry & kOffsetMask;
        RowSlot slot{start, end, (entry & kDeletedFlag) != 0, (entry & kMovedFlag) != 0};
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

} // namespace keywords::access
