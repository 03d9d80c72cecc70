#include "keywords/access/AccessText.h"

namespace keywords::access {

namespace {

// Appends the UTF-16 code units of an uncompressed run; a pair of surrogates becomes one
// character outside the BMP as QString holds it.
bool appendUnits(QString &text, QByteArrayView bytes)
{
    if (bytes.size() % 2 != 0)
        return false;
    for (qsizetype at = 0; at < bytes.size(); at += 2)
        text.append(QChar(char16_t(quint8(bytes[at]) | quint8(bytes[at + 1]) << 8)));
    return true;
}

} // namespace

QString decodeUcs2(QByteArrayView bytes)
{
    QString text;
    appendUnits(text, bytes.first(bytes.size() - bytes.size() % 2));
    return text;
}

std::optional<QString> decodeText(QByteArrayView bytes)
{
    QString text(u""_qs); // empty, not null: an empty value is told apart from a missing one
    const bool compressed = bytes.size() >= 2 && quint8(bytes[0]) == 0xff && quint8(bytes[1]) == 0xfe;
    if (!compressed) {
        text.reserve(bytes.size() / 2);
        return appendUnits(text, bytes) ? std::optional(text) : std::nullopt;
    }
    // A zero byte switches between one-byte characters and two-byte units. A text holding a unit
    // whose low byte is zero is never stored compressed, so the switch cannot be mistaken.
    text.reserve(bytes.size());
    bool oneByte = true;
    for (qsizetype at = 2; at < bytes.size();) {
        if (bytes[at] == '\0') {
            oneByte = !oneByte;
            ++at;
        } else if (oneByte) {
            text.append(QChar(char16_t(quint8(bytes[at]))));
            ++at;
        } else {
            if (at + 1 >= bytes.size())
                return std::nullopt;
            text.append(QChar(char16_t(quint8(bytes[at]) | quint8(bytes[at + 1]) << 8)));
            at += 2;
        }
    }
    return text;
}

} // namespace keywords::access
