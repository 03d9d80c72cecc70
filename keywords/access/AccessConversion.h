// Turning an old Access music.mdb into the program's SQLite store, keeping the original file.
#pragma once

#include <QString>

namespace keywords {

struct AccessConversion {
    enum class Status {
        Converted,      // path now holds the SQLite store; the original lies at backupPath
        CannotRead,     // not an Access file the reader can open, or damaged; nothing was touched
        NoKeywordTable, // the file has no usable table music; nothing was touched
        Encrypted,      // the file's pages are encrypted; nothing was touched
        Unsupported,    // an Access 97 file; nothing was touched
        CannotWrite,    // the new store or the backup could not be written; nothing was touched
    };
    Status status = Status::CannotRead;
    int rowCount = 0;
    // Rows a damaged page kept from being read (the original still holds them); damaged is set
    // whenever rows were lost, even when they could not be counted.
    int unreadableRows = 0;
    bool damaged = false;
    QString backupPath;
};

// The name the original keeps: "music (Access 原文件).mdb" beside it, numbered when taken.
QString accessBackupPath(const QString &path);

// Reads every row of the Access file at path and puts a SQLite store with the same 编号, names and
// remarks in its place. The Access file is never written to: it is moved, whole, to the backup name.
AccessConversion convertAccessStore(const QString &path);

} // namespace keywords
