// The keyword store file music.mdb: telling its format by its header, and writing a new one.
#pragma once

#include <QList>
#include <QString>
#include <QVariant>

namespace keywords {

enum class StoreFileKind {
    Missing,    // no file at the path
    Empty,      // a file of zero bytes: holds nothing that could be lost
    Sqlite,     // "SQLite format 3" at byte 0
    Access,     // an Access database: "Standard Jet DB" (or "Standard ACE DB") at byte 4
    Unreadable, // a folder, or a file that cannot be opened for reading
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

// The table of a new store. 歌曲名 compares without regard to the case of A to Z, as the duplicate
// check and the load order expect.
inline constexpr const char16_t *kCreateKeywordTable =
    u"CREATE TABLE music (编号 INTEGER PRIMARY KEY AUTOINCREMENT, 歌曲名 TEXT COLLATE NOCASE, 备注 TEXT)";

// Writes a complete new store with these rows to a temporary file beside path and returns that
// file's path, or an empty string (with the reason in *error) when it cannot be written.
QString writeKeywordStoreBeside(const QString &path, const QList<KeywordRecord> &rows, QString *error = nullptr);

// Puts a new store with these rows at path in one step: path either keeps what it had or holds the
// whole new store. Refuses a path that holds anything but an empty file.
bool createKeywordStore(const QString &path, const QList<KeywordRecord> &rows, QString *error = nullptr);

} // namespace keywords
