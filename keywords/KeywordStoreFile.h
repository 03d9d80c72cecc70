// The keyword store file music.mdb: telling its format by its header, and writing a new one.
#pragma once

#include <QList>
#include <QString>
#include <QVariant>

#include <functional>

namespace keywords {

enum class StoreFileKind {
    Missing,    // no file at the path
    Empty,      // a file of zero bytes: holds nothing that could be lost
    Sqlite,     // "SQLite format 3" at byte 0
    Access,     // an Access database: "Standard Jet DB" (or "Standard ACE DB") at byte 4
    Unreadable, // a folder, pipe or device (never opened), or a file that cannot be opened for reading
    Unknown,    // anything else: damaged, or not a keyword store at all
};

StoreFileKind inspectStoreFile(const QString &path);

// The file's own read-only mark (no write permission for its owner). Honoured even where the
// operating system would let the program write anyway.
bool isMarkedReadOnly(const QString &path);

// One row of table music; a null QVariant stands for a database null (编号 null: numbered anew).
struct KeywordRecord {
    QVariant id;
    QVariant name;
    QVariant remark;
};

// Writes a complete new store with these rows to a temporary file beside path and returns that
// file's path, or an empty string when it cannot be written. keepGoing, when given, is told the rows
// written so far now and then; false stops the write, leaving no file.
QString writeKeywordStoreBeside(const QString &path, const QList<KeywordRecord> &rows,
                                const std::function<bool(qint64 rowsWritten)> &keepGoing = {});

// Puts a new store with these rows at path in one step: path either keeps what it had or holds the
// whole new store. Refuses a path that holds anything but an empty file.
bool createKeywordStore(const QString &path, const QList<KeywordRecord> &rows);

} // namespace keywords
