// File-system helpers: whole-file reads and the program folder.
#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// All bytes of the file, or an empty array when it cannot be read (missing, locked, a folder...).
QByteArray readWholeFile(const QString &path);

// The folder that holds the program file, without a trailing separator.
QString programFolder();

} // namespace platform
