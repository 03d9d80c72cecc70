// Conversion between the program's text and GBK (Windows code page 936), the code page of every file
// it reads and writes.
#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// Characters that GBK lacks become '?'.
QByteArray toGbk(QStringView text);

// Decodes GBK text whole, without state from one call to the next. A byte that starts no character
// becomes U+FFFD (0x80 and 0xFF are the code page's own € and U+F8F5) and never takes the byte after
// it along, so a CR, LF or '|' there survives; a lead byte alone at the end becomes U+FFFD too.
QString fromGbk(QByteArrayView bytes);

} // namespace platform
