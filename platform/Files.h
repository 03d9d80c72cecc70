// File-system helpers: whole-file reads and the program folder.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace platform {

// All bytes of the file, or an empty array when it cannot be read (missing, locked, a folder...).
QByteArray readWholeFile(const QString &path);
// All bytes of the file, or nothing when it cannot be read; then whyNot says why, in Chinese.
std::optional<QByteArray> readWholeFile(const QString &path, QString &whyNot);

// The folder that holds the program file, without a trailing separator.
QString programFolder();

} // namespace platform
