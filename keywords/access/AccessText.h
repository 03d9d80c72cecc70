// Texts as Jet 4 and later store them: UCS-2 (UTF-16 code units, little-endian), or the compressed
// form that drops the zero high byte of runs of characters below U+0100.
#pragma once

#include <QByteArrayView>
#include <QString>

#include <optional>

namespace keywords::access {

// The text in these bytes; nothing when they cannot be one (an odd count of bytes in an
// uncompressed run). An empty run is the empty text, never a null one.
std::optional<QString> decodeText(QByteArrayView bytes);

// Plain UCS-2 (as column and table names are kept); an odd last byte is left out.
QString decodeUcs2(QByteArrayView bytes);

} // namespace keywords::access
