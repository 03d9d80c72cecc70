// Reading the keyword table of an old Access music.mdb, read-only: through mdbtools' libmdb, or on
// Windows through the Access ODBC driver.
#pragma once

#include "keywords/KeywordStoreFile.h"

namespace keywords {

// Whether Access files can be read here at all: libmdb was found when this was built, or on Windows
// an Access ODBC driver is installed.
bool accessReaderAvailable();

struct AccessKeywords {
    enum class Status {
        Read,           // rows holds every row of table music
        NotAvailable,   // built without libmdb, or no Access ODBC driver
        CannotOpen,     // not an Access file the reader can open, or damaged
        NoKeywordTable, // no table music, or it lacks the column 歌曲名
    };
    Status status = Status::CannotOpen;
    QList<KeywordRecord> rows;
};

// Reads 编号, 歌曲名 and 备注 of every row of table music, in the table's stored order. The file
// is opened for reading only. A value that the reader gives as empty (a null or an empty text) comes
// back as a null QVariant; an 编号 that is not a whole number comes back null as well.
AccessKeywords readAccessKeywords(const QString &path);

// An 编号 as either reader gives it, as text, by the library's rule for a keyword's number; null
// when it is none.
QVariant accessKeywordId(const QString &text);

} // namespace keywords
