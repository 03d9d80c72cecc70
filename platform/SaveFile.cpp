// Saving a file so that a failure never leaves a half-written one behind.
#include "platform/SaveFile.h"

#include "platform/FileErrors.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif
#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

namespace platform {

namespace {

enum class Target { RegularOrNew, Device, Unsupported };

Target targetKind(const QString &path)
{
#ifdef Q_OS_UNIX
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0 || S_ISREG(status.st_mode) || S_ISDIR(status.st_mode))
        return Target::RegularOrNew;
    return S_ISCHR(status.st_mode) || S_ISBLK(status.st_mode) ? Target::Device : Target::Unsupported;
#else
    Q_UNUSED(path);
    return Target::RegularOrNew;
#endif
}

// The system's error of the write that just failed; Qt's error text alone often says only
// "Unknown error".
WriteError lastWriteError(const QFileDevice &file)
{
#ifdef Q_OS_WIN
    const DWORD code = GetLastError();
    const bool full = code == ERROR_DISK_FULL || code == ERROR_HANDLE_DISK_FULL;
#else
    const bool full = errno == ENOSPC || errno == EDQUOT;
#endif
    return {full, file.errorString()};
}

// Writes and flushes; false, with the system's error, when any of it fails.
bool writeAll(QFileDevice &file, const std::function<bool(QIODevice &)> &writeContent, WriteError *error)
{
    errno = 0;
#ifdef Q_OS_WIN
    SetLastError(0);
#endif
    if (writeContent(file) && file.flush())
        return true;
    *error = lastWriteError(file);
    return false;
}

} // namespace

QString saveFile(const QString &path, const std::function<bool(QIODevice &)> &writeContent)
{
    WriteError error;
    switch (targetKind(path)) {
    case Target::Unsupported:
        return QStringLiteral("这不是普通文件，不能写入");
    case Target::Device: {
        QFile device(path);
        if (!device.open(QIODevice::WriteOnly))
            return describeOpenFailure(path, device.errorString());
        return writeAll(device, writeContent, &error) ? QString() : describeWriteFailure(error);
    }
    case Target::RegularOrNew:
        break;
    }

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return describeOpenFailure(path, file.errorString());
    if (!writeAll(file, writeContent, &error)) {
        file.cancelWriting();
        return describeWriteFailure(error);
    }
    if (!file.commit()) {
        if (file.error() == QFileDevice::RenameError)
            return QStringLiteral("无法用新文件替换原有文件，文件可能正被其他程序使用（") + file.errorString()
                + QStringLiteral("）");
        return describeWriteFailure(lastWriteError(file));
    }
    return {};
}

} // namespace platform
