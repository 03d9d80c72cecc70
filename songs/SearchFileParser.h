// Cutting a search file into lines, fields and song rows.
#pragma once

#include "platform/TextFile.h"
#include "songs/SongStore.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <atomic>
#include <span>

class QIODevice;

namespace songs {

// Cuts a line at every "||", scanning left to right without overlap ("x|||y" gives "x" and "|y").
// Fills at most fields.size() fields, each exact, and ignores the rest of the line; returns the
// number filled. A line always has at least one field.
int cutFields(QStringView line, std::span<QStringView> fields);

// Calls onLine for every line of the text, cut at CR LF. A CR LF at the very end does not start
// another line; an empty text has no lines.
template<typename OnLine>
void forEachLine(QStringView text, OnLine &&onLine)
{
    qsizetype start = 0;
    qsizetype from = 0;
    while (start < text.size()) {
        const qsizetype cr = text.indexOf(u'\r', from);
        if (cr < 0 || cr + 1 >= text.size()) {
            onLine(text.sliced(start));
            return;
        }
        if (text[cr + 1] != u'\n') {
            from = cr + 1;
            continue;
        }
        onLine(text.sliced(start, cr - start));
        start = from = cr + 2;
    }
}

struct ParsedSearchFile {
    SongStore rows;
    qsizetype lineCount = 0;
    // The line (from 1) of the zero byte that ended the text while more followed; 0 when none did.
    qsizetype cutAtZeroByteLine = 0;
    // What the file's bytes are, judged as every text file the program reads is.
    platform::TextKind kind = platform::TextKind::Text;
    // Why the rows are to be thrown away, if they are: reading failed, or the file changed (another
    // program wrote to it) while it was read, so the rows match neither its old text nor its new.
    enum class Failure { None, ReadFailed, ChangedWhileRead };
    Failure failure = Failure::None;
    // The device's own words when reading failed.
    QString readError;
};

// Bytes of a search file decoded and cut as one piece of work; the pieces run on every core.
inline constexpr qsizetype kParseChunkBytes = qsizetype(1) << 20;

// Parses a search file read from the device: GBK text that ends at the first zero byte. It is read
// in pieces of about chunkBytes, each ending right after a CR LF, which are decoded and cut on every
// core while the next ones are read; the rows come out in file order all the same. The few buffers
// the pieces are read into are used again and again, so the file's bytes are never held whole.
// A file that reports a size must keep it, and its modification time, until its end is read, and
// give exactly that many bytes. Once stop is set no further piece is begun and the result is to be
// thrown away. Throws
// std::bad_alloc when the rows do not fit in memory.
ParsedSearchFile parseSearchFile(QIODevice &device, qsizetype chunkBytes = kParseChunkBytes,
                                 const std::atomic<bool> *stop = nullptr);
// The same for bytes in memory.
ParsedSearchFile parseSearchFile(QByteArrayView bytes, qsizetype chunkBytes = kParseChunkBytes,
                                 const std::atomic<bool> *stop = nullptr);

} // namespace songs
