// Conversion between the program's text and GBK, the code page of every file it reads and writes.
#pragma once

#include <QByteArray>
#include <QStringConverter>

namespace platform {

// A GBK decoder (Windows code page 936) whose calls do not depend on one another.
QStringDecoder gbkDecoder();
QStringEncoder gbkEncoder();

// Decodes bytes that end the text: a lead byte alone at the end becomes a replacement character.
QString decodeToEnd(QStringDecoder &decoder, QByteArrayView bytes);

QByteArray toGbk(QStringView text);
QString fromGbk(QByteArrayView bytes);

} // namespace platform
