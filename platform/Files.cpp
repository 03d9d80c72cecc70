// File-system helpers.
#include "platform/Files.h"

#include "platform/FileFailure.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace platform {

QByteArray readWholeFile(const QString &path)
{
    FileFailure ignored;
    const std::unique_ptr<QFile> file = openRegularFile(path, ignored);
    return file ? file->readAll() : QByteArray();
}

std::unique_ptr<QFile> openRegularFile(const QString &path, FileFailure &whyNot)
{
    if (!QFileInfo(path).isFile()) {
        whyNot = readFailure(path, QString());
        return nullptr;
    }
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::ReadOnly)) {
        whyNot = readFailure(path, file->errorString());
        return nullptr;
    }
    return file;
}

QString programFolder()
{
    return QCoreApplication::applicationDirPath();
}

} // namespace platform
