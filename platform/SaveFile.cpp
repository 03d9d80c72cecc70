// Saving a file so that a failure never leaves a half-written one behind.
#include "platform/SaveFile.h"

#include "platform/FileFailure.h"

#include <QFile>
#include <QSaveFile>

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

// The system's error of the write that just failed, as the file reports it; Qt's error text alone
// often says only "Unknown error".
FileFailure lastWriteError(const QFileDevice &file)
{
#ifdef Q_OS_WIN
    const DWORD code = GetLastError();
    const bool full = code == ERROR_DISK_FULL || code == ERROR_HANDLE_DISK_FULL;
#else
    const bool full = file.error() == QFileDevice::ResourceError;
#endif
    return writeFailure(full, file.errorString());
}

} // namespace

bool SaveFile::fail(Failure failure, FileFailure why)
{
    m_failure = failure;
    m_why = std::move(why);
    return false;
}

bool SaveFile::save(const QString &path, const std::function<bool(QIODevice &)> &writeContent,
                    const std::function<bool()> &keepGoing)
{
    m_failure = Failure::None;
    m_why = {};
    // Writes and flushes; a failure of the content's own, with the file sound, is the content's to tell.
    const auto writeAll = [&](QFileDevice &file) {
#ifdef Q_OS_WIN
        SetLastError(0);
#endif
        if (!writeContent(file)) {
            if (keepGoing && !keepGoing())
                return fail(Failure::Stopped);
            if (file.error() == QFileDevice::NoError)
                return fail(Failure::Content);
            return fail(Failure::File, lastWriteError(file));
        }
        if (!file.flush())
            return fail(Failure::File, lastWriteError(file));
        return true;
    };

    switch (targetKind(path)) {
    case Target::Unsupported:
        return fail(Failure::File, {FileFailure::Reason::NotWritableKind, {}});
    case Target::Device: {
        QFile device(path);
        if (!device.open(QIODevice::WriteOnly))
            return fail(Failure::File, openFailure(path, device.errorString()));
        return writeAll(device);
    }
    case Target::RegularOrNew:
        break;
    }

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(Failure::File, openFailure(path, file.errorString()));
    if (!writeAll(file)) {
        file.cancelWriting();
        return false;
    }
    if (keepGoing && !keepGoing()) {
        file.cancelWriting();
        return fail(Failure::Stopped);
    }
    if (!file.commit()) {
        if (file.error() == QFileDevice::RenameError)
            return fail(Failure::File, {FileFailure::Reason::ReplaceRefused, file.errorString()});
        return fail(Failure::File, lastWriteError(file));
    }
    return true;
}

FileFailure saveFile(const QString &path, const std::function<bool(QIODevice &)> &writeContent)
{
    SaveFile file;
    if (file.save(path, writeContent))
        return {};
    // A content that could not be written with the file sound is still a write that failed.
    return file.failure() == SaveFile::Failure::File ? file.fileFailure() : writeFailure(false, QString());
}

} // namespace platform
