// Little-endian numbers read out of a page or a row, each one checked against the bytes there are.
#pragma once

#include <QByteArrayView>

#include <bit>
#include <optional>
#include <type_traits>

namespace keywords::access {

// A run of bytes read strictly within its bounds: a read that would reach past the end yields
// nothing rather than a guess.
class Bytes {
public:
    Bytes() = default;
    explicit Bytes(QByteArrayView bytes) : m_bytes(bytes) {}

    qsizetype size() const { return m_bytes.size(); }
    bool has(qint64 at, qint64 length) const { return at >= 0 && length >= 0 && at + length <= m_bytes.size(); }

    // A little-endian number of type T (an integer, float or double) at at.
    template<typename T> std::optional<T> number(qint64 at) const
    {
        using Bits = std::conditional_t<
            sizeof(T) == 1, quint8,
            std::conditional_t<sizeof(T) == 2, quint16, std::conditional_t<sizeof(T) == 4, quint32, quint64>>>;
        if (!has(at, qint64(sizeof(T))))
            return std::nullopt;
        Bits bits = 0;
        for (size_t i = 0; i < sizeof(T); ++i)
            bits = Bits(bits | Bits(quint8(m_bytes[at + qint64(i)])) << (8 * i));
        return std::bit_cast<T>(bits);
    }
    std::optional<quint8> u8(qint64 at) const { return number<quint8>(at); }
    std::optional<quint16> u16(qint64 at) const { return number<quint16>(at); }
    std::optional<quint32> u32(qint64 at) const { return number<quint32>(at); }
    // The bytes [at, at + length), or nothing when they are not all there.
    std::optional<QByteArrayView> slice(qint64 at, qint64 length) const
    {
        if (!has(at, length))
            return std::nullopt;
        return m_bytes.sliced(at, length);
    }
    QByteArrayView view() const { return m_bytes; }

private:
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
