#include "keywords/access/AccessHeader.h"

#include "keywords/access/AccessBytes.h"

#include <QByteArray>

#include <array>
#include <utility>

namespace keywords::access {

namespace {

constexpr qsizetype kSignatureAt = 4;
constexpr qsizetype kVersionAt = 0x14;
// The header's fields from here on are masked with an RC4 key stream of a fixed key.
constexpr qsizetype kMaskedAt = 0x18;
constexpr qsizetype kMaskedLength = 128;
constexpr qsizetype kDatabaseKeyAt = 0x3e;

QByteArray rc4Stream(const std::array<quint8, 4> &key, qsizetype length)
{
    std::array<quint8, 256> state{};
    for (int i = 0; i < 256; ++i)
        state[size_t(i)] = quint8(i);
    for (int i = 0, j = 0; i < 256; ++i) {
        j = (j + state[size_t(i)] + key[size_t(i) % key.size()]) & 0xff;
        std::swap(state[size_t(i)], state[size_t(j)]);
    }
    QByteArray stream(length, '\0');
    for (qsizetype n = 0, i = 0, j = 0; n < length; ++n) {
        i = (i + 1) & 0xff;
        j = (j + state[size_t(i)]) & 0xff;
        std::swap(state[size_t(i)], state[size_t(j)]);
        stream[n] = char(state[(state[size_t(i)] + state[size_t(j)]) & 0xff]);
    }
    return stream;
}

bool databaseKeySet(QByteArrayView start)
{
    static const QByteArray mask = rc4Stream({0xc7, 0xda, 0x39, 0x6b}, kMaskedLength);
    if (start.size() < kDatabaseKeyAt + 4)
        return false;
    for (qsizetype at = kDatabaseKeyAt; at < kDatabaseKeyAt + 4; ++at) {
        if ((start[at] ^ mask[at - kMaskedAt]) != 0)
            return true;
    }
    return false;
}

} // namespace

FileHeader readFileHeader(QByteArrayView start)
{
    FileHeader header;
    const Bytes bytes(start);
    const std::optional<quint32> magic = bytes.u32(0);
    const std::optional<quint8> version = bytes.u8(kVersionAt);
    if (!magic || *magic != 0x100 || !version)
        return header;
    const QByteArrayView signature = start.sliced(kSignatureAt, qMin<qsizetype>(16, start.size() - kSignatureAt));
    const bool jet = signature == QByteArrayView("Standard Jet DB\0", 16);
    const bool ace = signature == QByteArrayView("Standard ACE DB\0", 16);
    if (!jet && !ace)
        return header;
    if (*version == 0)
        header.format = FileFormat::Jet3;
    else if (*version == 1)
        header.format = FileFormat::Jet4;
    else // 2 for Access 2007, 3 for 2010, and on: every later version keeps the page layout
        header.format = FileFormat::Ace;
    header.encoded = databaseKeySet(start);
    return header;
}

} // namespace keywords::access
