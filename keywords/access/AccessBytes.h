// Little-endian numbers read out of a page or a row, each one checked against the bytes there are.
#pragma once

#include <QByteArrayView>

#include <optional>

namespace keywords::access {

// A run of bytes read strictly within its bounds: a read that would reach past the end yields
// nothing rather than a guess.
class Bytes {
public:
    Bytes() = default;
    explicit Bytes(QByteArrayView bytes) : m_bytes(bytes) {}

    qsizetype size() const { return m_bytes.size(); }
    bool has(qint64 at, qint64 length) const { return at >= 0 && length >= 0 && at + length <= m_bytes.size(); }

    std::optional<quint8> u8(qint64 at) const
    {
        if (!has(at, 1))
            return std::nullopt;
        return quint8(m_bytes[at]);
    }
    std::optional<quint16> u16(qint64 at) const
    {
        if (!has(at, 2))
            return std::nullopt;
        return quint16(byte(at) | byte(at + 1) << 8);
    }
    std::optional<quint32> u24(qint64 at) const
    {
        if (!has(at, 3))
            return std::nullopt;
        return quint32(byte(at) | byte(at + 1) << 8 | byte(at + 2) << 16);
    }
    std::optional<quint32> u32(qint64 at) const
    {
        if (!has(at, 4))
            return std::nullopt;
        return byte(at) | byte(at + 1) << 8 | byte(at + 2) << 16 | byte(at + 3) << 24;
    }
    // The bytes [at, at + length), or nothing when they are not all there.
    std::optional<QByteArrayView> slice(qint64 at, qint64 length) const
    {
        if (!has(at, length))
            return std::nullopt;
        return m_bytes.sliced(at, length);
    }
    QByteArrayView view() const { return m_bytes; }

private:
    quint32 byte(qint64 at) const { return quint8(m_bytes[at]); }
    QByteArrayView m_bytes;
};

// A row's place: the page, and the row's number in that page's row table. Stored in the file as
// one 32-bit value, the row number in the low byte.
struct RowPointer {
    quint32 page = 0;
    quint8 row = 0;
    static RowPointer from(quint32 stored) { return {stored >> 8, quint8(stored & 0xff)}; }
    friend bool operator==(const RowPointer &, const RowPointer &) = default;
};

} // namespace keywords::access
