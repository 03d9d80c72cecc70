// Reading the keyword table of an old Access library (Jet 4 .mdb or ACE .accdb), read-only, by the
// program's own reader of the file format.
#pragma once

#include <QList>
#include <QString>
#include <QVariant>

#include <functional>

class QIODevice;

namespace keywords {

// The table to read and its three columns, by name (A to Z in either case, as Access compares).
struct AccessKeywordTable {
    QString table;
    QString id;
    QString name; // a table without this column is no keyword table
    QString remark;
};

// One row as the file stores it: a number or a text, a null QVariant for a null value.
struct AccessKeywordRow {
    QVariant id;
    QVariant name;
    QVariant remark;
};

struct AccessKeywords {
    enum class Status {
        Read,           // rows holds every row of the table that could be read
        CannotOpen,     // not an Access file, cannot be read, or damaged beyond finding the table
        NoKeywordTable, // no such table, or it lacks the name column
        Encrypted,      // the pages are encrypted (an encoded or password-encrypted database)
        Unsupported,    // an Access 97 (Jet 3) file
        TooLarge,       // its texts would pass the limit a keyword library can sanely hold
        Stopped,        // the caller asked to stop
    };
    Status status = Status::CannotOpen;
    QList<AccessKeywordRow> rows;
    // Rows of the table that a damaged page kept from being read, as far as they can be counted;
    // damaged is set whenever something was lost, even when no count could be made.
    int unreadableRows = 0;
    bool damaged = false;
};

struct AccessReadLimits {
    // The stored bytes of every text and Memo value together; a library claiming more is refused
    // before those values are read. Access itself keeps a Memo value under 1 GB.
    qint64 maxTextBytes = qint64(256) << 20;
    // Told the rows read so far and the table's own count of rows (a hint); false stops the read.
    std::function<bool(qint64 rowsRead, qint64 rowsExpected)> progress;
};

// Reads the three columns of every row of the table, in the table's stored order. The file is
// opened for reading only. A null value comes back as a null QVariant and an empty text as an
// empty one.
AccessKeywords readAccessKeywords(QIODevice &device, const AccessKeywordTable &names,
                                  const AccessReadLimits &limits = {});

} // namespace keywords
