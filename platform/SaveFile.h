// Saving a file so that a failure never leaves a half-written one behind.
#pragma once

#include "platform/FileFailure.h"

#include <QString>

#include <functional>

class QIODevice;

namespace platform {

// Makes the file at path hold what writeContent writes to the open device, which returns false
// when a write fails. A regular file (or a new one) is replaced only once the new content is
// completely on disk, so after a failure the old file (or no file) is still there; a device such as
// /dev/null is written into, never replaced; a pipe or a socket, which would wait for a reader and
// hang the program, is refused. On success a failure with no reason, else why not.
FileFailure saveFile(const QString &path, const std::function<bool(QIODevice &)> &writeContent);

// The same as a writer: save() returns false on a failure, which failure() and, for a failure of the
// file, fileFailure() and errorString() (the system's own words) then describe. keepGoing, when given, is asked before the new file takes the old one's place; a false
// answer leaves the old file as it was.
class SaveFile {
public:
    enum class Failure {
        None,
        File,     // the file could not be made, written or put in place: fileFailure() says why
        Content,  // writeContent failed with the file itself still sound: the content's writer says why
        Stopped,  // keepGoing said no
    };

    bool save(const QString &path, const std::function<bool(QIODevice &)> &writeContent,
              const std::function<bool()> &keepGoing = {});
    Failure failure() const { return m_failure; }
    const FileFailure &fileFailure() const { return m_why; }
    QString errorString() const { return m_why.systemText; }

private:
    bool fail(Failure failure, FileFailure why = {});

    Failure m_failure = Failure::None;
    FileFailure m_why;
};

} // namespace platform
