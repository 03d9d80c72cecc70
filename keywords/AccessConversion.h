// Turning an old Access music.mdb into the program's SQLite store, keeping the original file.
#pragma once

#include "keywords/access/AccessReader.h"

#include <QString>

#include <functional>

class QIODevice;

namespace keywords {

struct AccessConversion {
    enum class Status {
        Converted,      // path now holds the SQLite store; the original lies at backupPath
        CannotRead,     // not an Access file the reader can open, damaged, no row readable, or
                        // texts past what a library can hold; nothing was touched
        NoKeywordTable, // the file has no usable table music; nothing was touched
        Encrypted,      // the file's pages are encrypted; nothing was touched
        Unsupported,    // an Access 97 file; nothing was touched
        CannotWrite,    // the new store could not be written beside it; nothing was touched
        CannotMove,     // the original could not be renamed to backupPath; nothing was touched
        Changed,        // another file took the original's place while it was read; nothing was touched
        Stopped,        // asked to stop; nothing was touched
    };
    Status status = Status::CannotRead;
    int rowCount = 0;
    // Rows a damaged page kept from being read (the original still holds them); damaged is set
    // whenever rows were lost, even when they could not be counted.
    int unreadableRows = 0;
    bool damaged = false;
    QString backupPath;
};

// Told how far the conversion has come, in steps done of a total that may still grow (the table's
// own count of rows is only a hint); false stops it.
using ConversionProgress = std::function<bool(qint64 done, qint64 total)>;

// The name the original keeps: "music (Access 原文件).mdb" beside it, numbered when taken.
QString accessBackupPath(const QString &path);

// The Access reader on table music and its columns 编号, 歌曲名 and 备注.
AccessKeywords readAccessLibrary(QIODevice &device, const AccessReadLimits &limits = {});
AccessKeywords readAccessLibrary(const QString &path);

// Reads every row of the Access file at path and puts a SQLite store with the same 编号, names and
// remarks in its place. The Access file is never written to: it is moved, whole, to the backup name.
// Anything but a regular file is refused before it is opened. Safe to run off the window's thread.
AccessConversion convertAccessStore(const QString &path, const ConversionProgress &progress = {});

} // namespace keywords
