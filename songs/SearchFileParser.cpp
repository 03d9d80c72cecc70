// Cutting a search file into lines, fields and song rows.
#include "songs/SearchFileParser.h"

#include "platform/Gbk.h"

#include <algorithm>


namespace songs {

int cutFields(QStringView line, std::span<QStringView> fields)
{
    if (fields.empty())
        return 0;
    // Fields are short, so a plain scan beats a search call per bar.
    const char16_t *const begin = line.utf16();
    const char16_t *const end = begin + line.size();
    const char16_t *start = begin;
    int count = 0;
    for (const char16_t *at = begin; at + 1 < end; ++at) {
        if (at[0] != u'|' || at[1] != u'|')
            continue;
        fields[size_t(count++)] = QStringView(start, at);
        if (count == int(fields.size()))
            return count;
        ++at;
        start = at + 1;
    }
    fields[size_t(count++)] = QStringView(start, end);
    return count;
}

namespace {
// A line of three or more fields is a song record, and becomes a row.
void appendSongRecord(QStringView line, SongStore &rows)
{
    std::array<QStringView, kLastUsedField> fields;
    const int count = cutFields(line, fields);
    if (count <= 2)
        return;
    // Fields a short record lacks leave their cells empty.
    SongStore::Cells cells;
    for (int column = 0; column < kColumnCount; ++column) {
        const int field = kFieldOfColumn[size_t(column)];
        cells[size_t(column)] = field <= count ? fields[size_t(field - 1)] : QStringView();
    }
    rows.appendRow(cells);
}

// Adds the lines and rows of decoded search-file text.
void parseSearchText(QStringView text, ParsedSearchFile &parsed)
{
    forEachLine(text, [&parsed](QStringView line) {
        ++parsed.lineCount;
        appendSongRecord(line, parsed.rows);
    });
}

// A byte-order mark, or zero bytes on one side of the byte pairs only, as ASCII text in UTF-16 has.
bool looksLikeUtf16(QByteArrayView bytes)
{
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        return true;
    const qsizetype pairs = std::min<qsizetype>(bytes.size(), 1024) / 2;
    qsizetype zeros[2] = {0, 0};
    for (qsizetype i = 0; i < pairs * 2; ++i)
        zeros[i % 2] += bytes[i] == '\0';
    const qsizetype more = std::max(zeros[0], zeros[1]);
    return std::min(zeros[0], zeros[1]) == 0 && more > 0 && more >= pairs / 4;
}

// The line (from 1) the byte at offset is on. CR and LF are never the second byte of a GBK
// character, so the bytes' CR LF pairs are the text's.
qsizetype lineOfByte(QByteArrayView bytes, qsizetype offset)
{
    const QByteArrayView before = bytes.first(offset);
    qsizetype line = 1;
    for (qsizetype at = before.indexOf("\r\n"); at >= 0; at = before.indexOf("\r\n", at + 2))
        ++line;
    return line;
}
} // namespace

ParsedSearchFile parseSearchFile(QByteArrayView bytes)
{
    ParsedSearchFile parsed;
    const qsizetype zero = bytes.indexOf('\0');
    if (zero >= 0) {
        // Zero bytes that only pad the end lose nothing.
        const QByteArrayView rest = bytes.sliced(zero);
        if (std::any_of(rest.begin(), rest.end(), [](char byte) { return byte != '\0'; })) {
            parsed.cutAtZeroByteLine = lineOfByte(bytes, zero);
            parsed.looksLikeUtf16 = looksLikeUtf16(bytes);
        }
        bytes.truncate(zero);
    }

    // Decode a few megabytes at a time to keep the peak low. A chunk always ends right after a CR LF
    // pair of bytes: neither byte can be the second byte of a GBK character, so every chunk decodes
    // exactly as it would inside the whole text and no line spans two chunks.
    constexpr qsizetype kChunk = 4 << 20;
    qsizetype begin = 0;
    while (begin < bytes.size()) {
        qsizetype end = bytes.size();
        if (end - begin > kChunk) {
            const qsizetype crlf = bytes.indexOf(QByteArrayView("\r\n"), begin + kChunk);
            if (crlf >= 0)
                end = crlf + 2;
        }
        parseSearchText(platform::fromGbk(bytes.sliced(begin, end - begin)), parsed);
        begin = end;
    }
    // The rows grew as they were cut; what they hold on to for the rest of the run is what they use.
    parsed.rows.shrinkToFit();
    return parsed;
}

} // namespace songs
