// Access pages built in memory for the reader's tests: rows, data pages, table definitions, usage
// maps, and whole keyword libraries of any size or damage, laid out as Jet 4 lays them out.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVariant>

namespace testing_access {

inline constexpr int kPage = 4096;

void putU16(QByteArray &bytes, qsizetype at, quint16 value);
void putU32(QByteArray &bytes, qsizetype at, quint32 value);
QByteArray ucs2(const QString &text);
quint32 pointer(quint32 page, quint8 row);

// A column of a table definition.
struct ColumnSpec {
    quint8 type = 0x0a; // Text
    QString name;
    quint16 number = 0;
    quint16 varIndex = 0;
    quint16 fixedOffset = 0;
    quint16 length = 510;
    bool fixed = false;
};

// A row: the values of its fixed columns laid side by side, its variable values in order, and the
// null mask (bit n set: column n is present).
QByteArray rowOf(quint16 columnCount, const QByteArray &fixed, const QList<QByteArray> &variable, quint32 presentMask);

// A data page of this owner holding these rows; flags (deleted 0x8000, moved 0x4000) per row.
QByteArray dataPage(quint32 owner, const QList<QByteArray> &rows, const QList<quint16> &flags = {});
// A TDEF page: row count, the usage map's row pointer, the columns and their names.
QByteArray tableDefPage(quint32 rowCount, quint32 usageMap, const QList<ColumnSpec> &columns);
// An inline usage map row naming these pages.
QByteArray inlineMap(const QList<quint32> &pages);
// A Memo reference to a chain of long-value rows starting at first.
QByteArray memoReference(quint32 length, quint32 first);

struct Keyword {
    QVariant id;
    QString name;
    QString remark;
};

struct LibraryShape {
    bool memoRemarks = false;   // 备注 a Memo column, each remark in its own long-value chain
    QByteArray sharedMemo = {}; // when set, every row's remark points at this one long-value chain
    quint16 nameLength = 510;   // the name column's declared length
    qsizetype rowsPerPage = 40;
    quint32 claimedRows = 0; // the table's own row count; 0: the real count
    bool holeInMap = false;  // the usage map also names a page of zeros, as in a sparse file
};

// A whole Jet 4 library holding table music with these rows.
QByteArray keywordLibrary(const QList<Keyword> &rows, const LibraryShape &shape = {});
QList<Keyword> numberedKeywords(qsizetype count, const QString &remark = QStringLiteral("r"));

} // namespace testing_access
