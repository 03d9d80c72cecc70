// The song codes of files exported earlier: code lists (one code per line) and search files, so
// that only the songs not sent to the song server before are left to export.
#pragma once

#include <QByteArrayView>
#include <QList>
#include <QSet>
#include <QString>

namespace songs {

class SongTableModel;

// A code list is a few megabytes and a search file a few hundred; a bigger file is neither.
inline constexpr qint64 kMaxExportedCodesFileBytes = 512LL * 1024 * 1024;

struct ExportedCodes {
    QSet<QString> codes; // never an empty one
    QString problem;     // why the file cannot be used, in words for the user; empty when it can
};

// The codes in a file's bytes. A file with a line holding "||" is a search file: its codes are the
// "歌曲编码" cells the import gives its rows. Any other file is a code list, one code per line, in GBK
// or UTF-8 (with or without its byte-order mark), lines ended by CR LF, LF or CR; each line is a
// code as it stands, and blank lines are left out. Binary or UTF-16 text, and a file in which no
// line looks like a code (a short run of characters with a digit and no blank), are refused.
ExportedCodes parseExportedCodes(QByteArrayView bytes);
// The same for the file at path; a missing, unreadable or too big file, or a folder, is refused.
ExportedCodes readExportedCodes(const QString &path);

// The rows of the table, ascending, whose code is one of these.
QList<int> rowsWithCodes(const SongTableModel &table, const QSet<QString> &codes);

} // namespace songs
