// Cutting a search file into lines, fields and song rows.
#pragma once

#include "songs/SongStore.h"

#include <QByteArray>
#include <QByteArrayView>
#include <atomic>
#include <span>

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
    // The bytes look like UTF-16 text rather than GBK.
    bool looksLikeUtf16 = false;
};

// Bytes of a search file decoded and cut as one piece of work; the pieces run on every core.
inline constexpr qsizetype kParseChunkBytes = qsizetype(1) << 20;

// Parses the bytes of a search file: GBK text that ends at the first zero byte. The text is cut
// into pieces of about chunkBytes, each ending right after a CR LF, which are decoded and cut on
// every core; the rows come out in file order all the same. Once stop is set the pieces not yet
// begun are skipped and the result is to be thrown away. Throws std::bad_alloc when the rows do not
// fit in memory.
ParsedSearchFile parseSearchFile(QByteArrayView bytes, qsizetype chunkBytes = kParseChunkBytes,
                                 const std::atomic<bool> *stop = nullptr);
// The same, letting go of the bytes once they are cut, before the rows are gathered.
ParsedSearchFile parseSearchFile(QByteArray &&bytes, qsizetype chunkBytes = kParseChunkBytes,
                                 const std::atomic<bool> *stop = nullptr);

} // namespace songs
