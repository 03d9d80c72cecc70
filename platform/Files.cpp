// File-system helpers.
#include "platform/Files.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace platform {

QByteArray readWholeFile(const QString &path)
{
    // Only regular files: a folder has no bytes, and a pipe or device could block the read for ever.
    if (!QFileInfo(path).isFile())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {};
    return bytes;
}

QString programFolder()
{
    return QCoreApplication::applicationDirPath();
}

} // namespace platform
