// Judging why a file could not be read or written.
#include "platform/FileFailure.h"

#include <QFile>
#include <QFileInfo>

namespace platform {

FileFailure readFailure(const QString &path, const QString &systemText)
{
    using Reason = FileFailure::Reason;
    const QFileInfo file(path);
    Reason reason = Reason::Unreadable;
    if (!file.exists())
        reason = Reason::Missing;
    else if (file.isDir())
        reason = Reason::Folder;
    else if (!file.isFile())
        reason = Reason::NotRegular;
    else if (!file.isReadable())
        reason = Reason::NoReadPermission;
    return {reason, systemText};
}

FileFailure openFailure(const QString &path, const QString &systemText)
{
    using Reason = FileFailure::Reason;
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    Reason reason = Reason::NameRefused;
    if (file.isDir())
        reason = Reason::Folder;
    else if (!folder.exists())
        reason = Reason::MissingFolder;
    else if (!folder.isDir())
        reason = Reason::PathNotFolder;
    else if (file.exists() && !file.isWritable())
        reason = Reason::ReadOnly;
    else if (!folder.isWritable())
        reason = Reason::FolderNotWritable;
    else if (systemText.contains(QLatin1String("No space left"), Qt::CaseInsensitive))
        reason = Reason::NoSpace;
    return {reason, systemText};
}

FileFailure writeFailure(bool diskFull, const QString &systemText)
{
    if (diskFull)
        return {FileFailure::Reason::DiskFull, {}};
    // A device that was never set to an error says "Unknown error", in the language Qt speaks.
    const bool saysMore = systemText != QFile().errorString();
    return {FileFailure::Reason::WriteError, saysMore ? systemText : QString()};
}

} // namespace platform
