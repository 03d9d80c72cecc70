// The song codes of files exported earlier: code lists (one code per line) and search files, so
// that only the songs not sent to the song server before are left to export.
#pragma once

#include "platform/TextFile.h"

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>

#include <atomic>

namespace songs {

class SongTableModel;

// A code list is a few megabytes and a search file a few hundred; a bigger file is neither. The
// file's bytes are held while it is read, its codes are not: only those of the song list are kept.
inline constexpr qint64 kMaxExportedCodesFileBytes = 512LL * 1024 * 1024;

struct ExportedCodes {
    // What is wrong with a file that was read as text.
    enum class Problem {
        None,
        NoCodeLine,     // a file that is neither a code list nor a search file
        NoSongWithCode, // a search file without a song that has a code
        Stopped,        // the program is ending
    };
    QSet<QString> codes; // the codes asked about that the file holds
    platform::TextFile::Reason reading = platform::TextFile::Reason::Read;
    QString systemText; // the system's own words when opening or reading failed
    Problem problem = Problem::None;

    bool refused() const { return reading != platform::TextFile::Reason::Read || problem != Problem::None; }
};

// Which of the wanted codes a file's bytes hold. A file with a line holding "||" is a search file:
// its codes are the "歌曲编码" cells the import gives its rows. Any other file is a code list, one
// code per line, in GBK or UTF-8 (with or without its byte-order mark), lines ended by CR LF, LF
// or CR. A code holds no white space and no byte-order mark, so those are trimmed from each line,
// and blank lines are left out. Binary or UTF-16 text, and a file in which no line looks like a
// code (a short run of characters with a digit and no blank), are refused. Once stop is set the
// reading ends, with nothing found. Throws std::bad_alloc when memory runs out.
ExportedCodes findExportedCodes(QByteArray bytes, const QSet<QString> &wanted, const std::atomic<bool> *stop = nullptr);
// The same for the file at path; a missing, unreadable or too big file, or a folder, is refused.
ExportedCodes findExportedCodes(const QString &path, const QSet<QString> &wanted,
                                const std::atomic<bool> *stop = nullptr);

// Every code of the table's songs (the empty one never).
QSet<QString> songCodes(const SongTableModel &table);
// The rows of the table, ascending, whose code is one of these.
QList<int> rowsWithCodes(const SongTableModel &table, const QSet<QString> &codes);

} // namespace songs
