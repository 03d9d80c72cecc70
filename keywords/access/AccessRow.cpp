#include "keywords/access/AccessRow.h"

namespace keywords::access {

namespace {

constexpr qsizetype kColumnCountSize = 2;

// Bytes of a fixed-length value by type; the column's own length for the rest.
qsizetype fixedSize(const Column &column)
{
    switch (column.type) {
    case ColumnType::Byte:
        return 1;
    case ColumnType::Integer:
        return 2;
    case ColumnType::LongInteger:
    case ColumnType::Single:
        return 4;
    case ColumnType::Currency:
    case ColumnType::Double:
    case ColumnType::DateTime:
        return 8;
    default:
        return column.length;
    }
}

Cell damaged()
{
    return {Cell::State::Damaged, {}};
}

} // namespace

Cell cellOf(QByteArrayView row, const Column &column)
{
    static const char kTrue = 1, kFalse = 0;
    const Bytes bytes(row);
    const auto storedColumns = bytes.u16(0);
    if (!storedColumns)
        return damaged();
    const qsizetype maskSize = (qsizetype(*storedColumns) + 7) / 8;
    const qsizetype maskAt = row.size() - maskSize;
    if (maskAt < kColumnCountSize)
        return damaged();
    // A column added after the row was written is not in it.
    if (column.number >= *storedColumns)
        return {};
    const bool present = (quint8(row[maskAt + column.number / 8]) >> (column.number % 8) & 1) != 0;
    if (column.type == ColumnType::Boolean)
        return {Cell::State::Value, QByteArrayView(present ? &kTrue : &kFalse, 1)};
    if (!present)
        return {};

    if (column.fixedLength) {
        const qsizetype start = kColumnCountSize + column.fixedOffset;
        const qsizetype size = fixedSize(column);
        if (start + size > maskAt)
            return damaged();
        return {Cell::State::Value, row.sliced(start, size)};
    }

    const auto varCount = bytes.u16(maskAt - 2);
    if (!varCount)
        return damaged();
    const qint64 tableEnd = maskAt - 2;
    const qint64 endOfDataAt = tableEnd - 2 - qint64(*varCount) * 2;
    if (endOfDataAt < kColumnCountSize)
        return damaged();
    if (column.varIndex >= *varCount)
        return {};
    // The offset table runs backwards from the count; the end of the data closes the last value.
    const auto offsetAt = [&](qint64 index) { return tableEnd - 2 - index * 2; };
    const quint16 start = *bytes.u16(offsetAt(column.varIndex));
    const quint16 end = column.varIndex + 1 < *varCount ? *bytes.u16(offsetAt(column.varIndex + 1))
                                                        : *bytes.u16(endOfDataAt);
    if (start < kColumnCountSize || start > end || end > endOfDataAt)
        return damaged();
    return {Cell::State::Value, row.sliced(start, end - start)};
}

namespace {
template<typename Stored, typename Kept> std::optional<QVariant> kept(QByteArrayView value)
{
    const std::optional<Stored> number = Bytes(value).number<Stored>(0);
    return number ? std::optional<QVariant>(Kept(*number)) : std::nullopt;
}
} // namespace

std::optional<QVariant> numberOf(QByteArrayView value, ColumnType type)
{
    switch (type) {
    case ColumnType::Byte:
        return kept<quint8, int>(value);
    case ColumnType::Integer:
        return kept<qint16, int>(value);
    case ColumnType::LongInteger:
        return kept<qint32, qlonglong>(value);
    case ColumnType::Single:
        return kept<float, double>(value);
    case ColumnType::Double:
        return kept<double, double>(value);
    default:
        return std::nullopt;
    }
}

} // namespace keywords::access
