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

std::unique_ptr<QFile> openRegularFile(const QString &path, QString &whyNot)
{
    if (!QFileInfo(path).isFile()) {
        whyNot = describeReadFailure(path, QString());
        return nullptr;
    }
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::ReadOnly)) {
        whyNot = describeReadFailure(path, file->errorString());
        return nullptr;
    }
    return file;
}

std::optional<QByteArray> readWholeFile(const QString &path, QString &whyNot)
{
    const std::unique_ptr<QFile> file = openRegularFile(path, whyNot);
    if (!file)
        return std::nullopt;
    QByteArray bytes = file->readAll();
    if (file->error() != QFileDevice::NoError) {
        whyNot = describeReadError(file->errorString());
        return std::nullopt;
    }
    return bytes;
}

QString programFolder()
{
    return QCoreApplication::applicationDirPath();
}

} // namespace platform
