// Why a file could not be read or written: a reason judged from what is on disk and from the
// system's error, with the system's own words kept beside it. The ui libraries word it.
#pragma once

#include <QString>

namespace platform {

struct FileFailure {
    enum class Reason {
        None,
        // Reading.
        Missing,          // no such file
        NotRegular,       // a device, a pipe or another special file
        NoReadPermission,
        Unreadable,       // it exists and may be read, yet opening failed: held by another program?
        ReadError,        // reading failed once the file was open
        // Writing.
        MissingFolder,
        PathNotFolder,    // a part of the path is a file
        ReadOnly,         // the file is there and read-only
        FolderNotWritable,
        NoSpace,          // the file could not even be made: no space left
        NameRefused,      // nothing else explains it: the system refused the name
        DiskFull,         // a write failed and the system said the disk is full
        WriteError,       // the disk may be full or the device faulty
        NotWritableKind,  // a pipe or a socket, which would wait for a reader for ever
        ReplaceRefused,   // the new file could not take the old one's place
        // Both.
        Folder,           // a folder stands where the file should be
    };

    Reason reason = Reason::None;
    QString systemText; // the system's own words, empty when they add nothing

    bool failed() const { return reason != Reason::None; }
};

// Why the file at path could not be opened for reading.
FileFailure readFailure(const QString &path, const QString &systemText);

// Why the file at path could not be created or replaced.
FileFailure openFailure(const QString &path, const QString &systemText);

// A write that failed once the file was open: a full disk when the system said so, otherwise a write
// error with the system's words when they say more than "Unknown error".
FileFailure writeFailure(bool diskFull, const QString &systemText);

} // namespace platform
