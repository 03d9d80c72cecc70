#include "keywords/access/AccessLongValue.h"

#include "keywords/access/AccessBytes.h"
#include "keywords/access/AccessDataPage.h"
#include "keywords/access/AccessFormat.h"
#include "keywords/access/AccessPageFile.h"

#include <QSet>

namespace keywords::access {

using namespace longvalue;

std::optional<qint64> longValueLength(QByteArrayView reference)
{
    const auto header = Bytes(reference).u32(0);
    if (!header || reference.size() < kReferenceSize)
        return std::nullopt;
    return qint64(*header & kLengthMask);
}

std::optional<QByteArray> longValue(PageFile &file, QByteArrayView reference)
{
    const Bytes bytes(reference);
    const auto header = bytes.u32(0);
    const auto pointer = bytes.u32(4);
    const std::optional<qint64> claimed = longValueLength(reference);
    if (!header || !pointer || !claimed)
        return std::nullopt;
    const qint64 length = *claimed;
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
    // Memory follows the bytes actually found, not the length the reference claims.
    QByteArray value;
    value.reserve(qMin<qint64>(length, 1 << 20));
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
