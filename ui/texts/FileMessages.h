// Telling the user in Chinese why a file could not be read or written.
#pragma once

#include "platform/FileFailure.h"
#include "platform/TextFile.h"

#include <QString>

namespace ui {

// The reason, with the system's own words in brackets when there are any.
QString fileFailureReason(const platform::FileFailure &failure);

// Why a file read as text holds binary data instead, in the same words for every file read so;
// empty for the other reasons.
QString notTextFileReason(platform::TextFile::Reason reason);

// The reason of an export that ran out of memory before its file was written.
QString outOfMemoryReason();

// "导出失败：无法写入文件“path”。" with the reason on a line of its own.
QString writeFailureMessage(const QString &path, const QString &reason);
inline QString writeFailureMessage(const QString &path, const platform::FileFailure &failure)
{
    return writeFailureMessage(path, fileFailureReason(failure));
}

// The same for a folder of temporary files that a writer needed on the way to the file.
QString temporaryFolderFailureMessage(const QString &folder, const platform::FileFailure &failure);

// "导入失败：无法读取文件“path”。" with the reason on a line of its own.
QString readFailureMessage(const QString &path, const QString &reason);
inline QString readFailureMessage(const QString &path, const platform::FileFailure &failure)
{
    return readFailureMessage(path, fileFailureReason(failure));
}

} // namespace ui
