// Conversion between the program's text and GBK, the code page of every file it reads and writes.
#pragma once

#include <QByteArray>
#include <QStringConverter>

namespace platform {

// A GBK decoder (Windows code page 936). Stateless: each call is complete, and a lead byte left
// alone at the end of the input decodes to a replacement character instead of waiting for more.
QStringDecoder gbkDecoder();
QStringEncoder gbkEncoder();

QByteArray toGbk(QStringView text);
QString fromGbk(QByteArrayView bytes);

} // namespace platform
