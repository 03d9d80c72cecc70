// Telling the user in Chinese why a file could not be read or written.
#pragma once

#include <QString>

namespace platform {

// Why the file at path could not be created or replaced, judged from what is on disk (a folder in
// its place, a missing folder, no permission, a read-only file); the system's own words follow in
// brackets.
QString describeOpenFailure(const QString &path, const QString &systemText);

// A write that failed once the file was open.
struct WriteError {
    bool diskFull = false;  // the system said so
    QString systemText;     // Qt's words for it, often only "Unknown error"
};

// Why writing the content failed: a full disk is named as such; otherwise the disk may be full or
// the device faulty, with the system's words when they say more than "Unknown error".
QString describeWriteFailure(const WriteError &error);

// The reason of an export that ran out of memory before its file was written.
QString outOfMemoryReason();

// "导出失败：无法写入文件“path”。" with the reason on a line of its own.
QString writeFailureMessage(const QString &path, const QString &reason);

// The same for a folder of temporary files that a writer needed on the way to the file.
QString temporaryFolderFailureMessage(const QString &folder, const WriteError &error);

// Why the file at path could not be read, judged from what is on disk (missing, a folder, a device
// or pipe, no permission, held by another program); the system's own words follow in brackets.
QString describeReadFailure(const QString &path, const QString &systemText);

// Why reading the content failed once the file was open (a device error).
QString describeReadError(const QString &systemText);

// "导入失败：无法读取文件“path”。" with the reason on a line of its own.
QString readFailureMessage(const QString &path, const QString &reason);

} // namespace platform
