// Reads written files back the way a spreadsheet program would, without using the writer's code.
#pragma once

#include <QByteArray>
#include <QString>
#include <QtEndian>

#include <vector>

namespace xlstest {

inline quint16 u16(const QByteArray &b, qsizetype at) { return qFromLittleEndian<quint16>(b.constData() + at); }
inline quint32 u32(const QByteArray &b, qsizetype at) { return qFromLittleEndian<quint32>(b.constData() + at); }

// The "Workbook" stream, found through the header, DIFAT, FAT and directory; empty with *error set
// when any of them is inconsistent.
QByteArray workbookStream(const QByteArray &file, QString *error);

struct Record {
    quint16 id;
    qsizetype offset;  // of the record header in the stream
    QByteArray payload;
};
std::vector<Record> records(const QByteArray &stream);

struct Sst {
    quint32 total = 0;
    std::vector<QString> strings;
    std::vector<qsizetype> offsets;  // stream offset of each string's header
    bool splitSurrogate = false;     // a record ended between the halves of a surrogate pair
    bool splitHeader = false;        // a record ended inside a string header or right after it
};
// From the SST record at records[at] and the CONTINUE records after it.
Sst decodeSst(const std::vector<Record> &records, size_t at);

} // namespace xlstest
