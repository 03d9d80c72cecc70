// File-system helpers.
#include "platform/Files.h"

#include "platform/FileErrors.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace platform {

QByteArray readWholeFile(const QString &path)
{
    QString ignored;
    return readWholeFile(path, ignored).value_or(QByteArray());
}

std::optional<QByteArray> readWholeFile(const QString &path, QString &whyNot)
{
    // Only regular files: a folder has no bytes, and a pipe or device could block the read for ever.
    if (!QFileInfo(path).isFile()) {
        whyNot = describeReadFailure(path, QString());
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        whyNot = describeReadFailure(path, file.errorString());
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        whyNot = describeReadError(file.errorString());
        return std::nullopt;
    }
    return bytes;
}

QString programFolder()
{
    return QCoreApplication::applicationDirPath();
}

} // namespace platform
