// A table's definition (its TDEF pages): the row count, the page usage map and the columns.
#pragma once

#include "keywords/access/AccessBytes.h"

#include <QList>
#include <QString>

#include <optional>

namespace keywords::access {

class PageFile;

enum class ColumnType : quint8 {
    Boolean = 0x01,
    Byte = 0x02,
    Integer = 0x03,
    LongInteger = 0x04,
    Currency = 0x05,
    Single = 0x06,
    Double = 0x07,
    DateTime = 0x08,
    Binary = 0x09,
    Text = 0x0a,
    Ole = 0x0b,
    Memo = 0x0c,
};

struct Column {
    ColumnType type{};
    QString name;
    quint16 number = 0;      // its bit in a row's null mask
    quint16 varIndex = 0;    // its entry in a row's table of variable-length values
    quint16 fixedOffset = 0; // where its value starts among the fixed-length values
    quint16 length = 0;
    bool fixedLength = false;
};

struct TableDef {
    quint32 page = 0;
    quint32 rowCount = 0; // as the table says: a hint, never trusted for sizes
    RowPointer usageMap;  // the row holding the map of the table's own pages
    QList<Column> columns;

    // The column of this name, A to Z compared in either case as Access names are; null if none.
    const Column *column(const QString &name) const;
};

// Reads the definition at page, following its chain of TDEF pages; nothing when a page of it is
// missing, is no TDEF page, loops, or contradicts itself.
std::optional<TableDef> readTableDef(PageFile &file, quint32 page);

} // namespace keywords::access
