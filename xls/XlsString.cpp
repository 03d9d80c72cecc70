// Character encoding of BIFF8 strings: one byte per character when possible, else UTF-16LE.
#include "XlsString.h"

#include <cstring>

namespace xls {

bool isLatin1(QStringView text)
{
    // Or-ing every unit keeps the loop branch-free, which lets the compiler vectorise it.
    char16_t bits = 0;
    for (QChar c : text)
        bits |= c.unicode();
    return bits <= 0xFF;
}

QStringView clampCellText(QStringView text)
{
    if (text.size() <= kMaxCellTextLength)
        return text;
    qsizetype length = kMaxCellTextLength;
    if (text[length - 1].isHighSurrogate() && text[length].isLowSurrogate())
        --length;
    return text.first(length);
}

void writeChars(char *to, QStringView text, bool wide)
{
    const char16_t *from = text.utf16();
    const qsizetype n = text.size();
    if (!wide) {
        for (qsizetype i = 0; i < n; ++i)
            to[i] = char(from[i]);
    } else if constexpr (Q_BYTE_ORDER == Q_LITTLE_ENDIAN) {
        std::memcpy(to, from, size_t(2 * n));
    } else {
        for (qsizetype i = 0; i < n; ++i)
            storeU16(to + 2 * i, from[i]);
    }
}

void writeShortString(ByteWriter &out, QStringView text)
{
    Q_ASSERT(text.size() <= 255);
    const bool wide = !isLatin1(text);
    out.u8(quint8(text.size()));
    out.u8(wide ? 1 : 0);
    writeChars(out.claim(charBytes(text.size(), wide)), text, wide);
}

void writeString(ByteWriter &out, QStringView text)
{
    Q_ASSERT(text.size() <= 0xFFFF);
    const bool wide = !isLatin1(text);
    out.u16(quint16(text.size()));
    out.u8(wide ? 1 : 0);
    writeChars(out.claim(charBytes(text.size(), wide)), text, wide);
}

} // namespace xls
