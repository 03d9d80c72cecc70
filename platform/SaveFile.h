// Saving a file so that a failure never leaves a half-written one behind.
#pragma once

#include <QString>

#include <functional>

class QIODevice;

namespace platform {

// Makes the file at path hold what writeContent writes to the open device, which returns false
// when a write fails. A regular file (or a new one) is replaced only once the new content is
// completely on disk, so after a failure the old file (or no file) is still there; a device such as
// /dev/null is written into, never replaced; a pipe or a socket, which would wait for a reader and
// hang the program, is refused. Empty on success, else why not, in words for the user (Chinese, the
// system's own words in brackets when they add something).
QString saveFile(const QString &path, const std::function<bool(QIODevice &)> &writeContent);

} // namespace platform
