// File-system helpers: opening and reading whole files, and the program folder.
#pragma once

#include <QByteArray>
#include <QString>
#include <QFile>
#include <memory>
#include <optional>

namespace platform {

// The file opened for reading when it is a regular file that can be opened; otherwise nothing, and
// whyNot says why, in Chinese (a folder has no bytes, and a pipe or device could block for ever).
std::unique_ptr<QFile> openRegularFile(const QString &path, QString &whyNot);
// All bytes of the file, or an empty array when it cannot be read (missing, locked, a folder...).
QByteArray readWholeFile(const QString &path);
// All bytes of the file, or nothing when it cannot be read; then whyNot says why, in Chinese.
std::optional<QByteArray> readWholeFile(const QString &path, QString &whyNot);

// The folder that holds the program file, without a trailing separator.
QString programFolder();

} // namespace platform
