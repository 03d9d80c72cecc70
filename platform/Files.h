// File-system helpers: opening and reading whole files, and the program folder.
#pragma once

#include "platform/FileFailure.h"

#include <QByteArray>
#include <QString>
#include <QFile>
#include <memory>

namespace platform {

// The file opened for reading when it is a regular file that can be opened; otherwise nothing, and
// whyNot says why (a folder has no bytes, and a pipe or device could block for ever).
std::unique_ptr<QFile> openRegularFile(const QString &path, FileFailure &whyNot);
// All bytes of the file, or an empty array when it cannot be read (missing, locked, a folder...).
QByteArray readWholeFile(const QString &path);

// The folder that holds the program file, without a trailing separator.
QString programFolder();

} // namespace platform
