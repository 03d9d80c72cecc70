#include "keywords/access/AccessLongValue.h"

#include "keywords/access/AccessBytes.h"
#include "keywords/access/AccessPageFile.h"
#include "keywords/access/AccessUsageMap.h"

#include <QSet>

namespace keywords::access {

namespace {
constexpr qsizetype kReferenceSize = 12;
constexpr quint32 kLengthMask = 0x3fffffff;
constexpr quint32 kInline = 0x80000000;
constexpr quint32 kOneRow = 0x40000000;
constexpr qsizetype kNextPointerSize = 4;
} // namespace

std::optional<QByteArray> longValue(PageFile &file, QByteArrayView reference)
{
    const Bytes bytes(reference);
    const auto header = bytes.u32(0);
    const auto pointer = bytes.u32(4);
    if (!header || !pointer || reference.size() < kReferenceSize)
        return std::nullopt;
    const qint64 length = *header & kLengthMask;
    if (*header & kInline) {
        const auto value = bytes.slice(kReferenceSize, length);
        return value ? std::optional(value->toByteArray()) : std::nullopt;
    }
    // No value is longer than the file that holds it.
    if (length > qint64(file.pageCount()) * file.pageSize())
        return std::nullopt;
    if (*header & kOneRow) {
        const std::optional<QByteArray> row = rowBytes(file, RowPointer::from(*pointer));
        if (!row || row->size() < length)
            return std::nullopt;
        return row->first(length);
    }
    // A chain: each row starts with the pointer to the next one.
    QByteArray value;
    value.reserve(length);
    QSet<quint32> seen;
    for (quint32 next = *pointer; value.size() < length;) {
        if (next == 0 || seen.contains(next))
            return std::nullopt;
        seen.insert(next);
        const std::optional<QByteArray> row = rowBytes(file, RowPointer::from(next));
        if (!row || row->size() < kNextPointerSize)
            return std::nullopt;
        next = *Bytes(*row).u32(0);
        value += QByteArrayView(*row).sliced(kNextPointerSize).first(qMin(row->size() - kNextPointerSize, length - value.size()));
    }
    return value;
}

} // namespace keywords::access
