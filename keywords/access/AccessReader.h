// Reading the keyword table of an old Access music.mdb (Jet 4 .mdb or ACE .accdb), read-only, by
// the program's own reader of the file format.
#pragma once

#include "keywords/KeywordStoreFile.h"

class QIODevice;

namespace keywords {

struct AccessKeywords {
    enum class Status {
        Read,           // rows holds every row of table music that could be read
        CannotOpen,     // not an Access file, cannot be read, or damaged beyond finding the table
        NoKeywordTable, // no table music, or it lacks the column 歌曲名
        Encrypted,      // the pages are encrypted (an encoded or password-encrypted database)
        Unsupported,    // an Access 97 (Jet 3) file
    };
    Status status = Status::CannotOpen;
    QList<KeywordRecord> rows;
    // Rows of the table that a damaged page kept from being read, as far as they can be counted;
    // damaged is set whenever something was lost, even when no count could be made.
    int unreadableRows = 0;
    bool damaged = false;
};

// Reads 编号, 歌曲名 and 备注 of every row of table music, in the table's stored order. The file
// is opened for reading only. A null value comes back as a null QVariant and an empty text as an
// empty one; an 编号 that is not a whole number comes back null.
AccessKeywords readAccessKeywords(const QString &path);
// The same from an open device (a file, or bytes in memory).
AccessKeywords readAccessKeywords(QIODevice &device);

// An 编号 given as text, by the library's rule for a keyword's number; null when it is none.
QVariant accessKeywordId(const QString &text);

} // namespace keywords
