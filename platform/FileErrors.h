// Telling the user in Chinese why a file could not be written.
#pragma once

#include <QString>

namespace platform {

// The reason in Chinese for the common failures (no permission, disk full, missing folder, bad name),
// otherwise the system's own text.
QString describeWriteFailure(const QString &systemReason);

// "导出失败：无法写入文件“path”。" followed by the reason on a line of its own.
QString writeFailureMessage(const QString &path, const QString &systemReason);

} // namespace platform
