// Cutting a search file into lines, fields and song rows.
#include "songs/SearchFileParser.h"

#include "platform/FreedMemory.h"
#include "platform/Gbk.h"

#include <QtConcurrentMap>

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

// One piece of the bytes and what it gives. A piece ends right after a CR LF pair of bytes: neither
// byte can be the second byte of a GBK character, so the piece decodes exactly as it would inside
// the whole text, and no line spans two pieces.
struct Piece {
    qsizetype begin = 0;
    qsizetype end = 0;
    SongStore rows;
    qsizetype lineCount = 0;
    // Offset in the whole bytes of the piece's first zero byte, where the text ends; -1 when none.
    qsizetype zeroAt = -1;
    bool outOfMemory = false;
};

std::vector<Piece> cutIntoPieces(QByteArrayView bytes, qsizetype chunkBytes)
{
    std::vector<Piece> pieces;
    pieces.reserve(size_t(bytes.size() / std::max<qsizetype>(chunkBytes, 1) + 1));
    for (qsizetype begin = 0; begin < bytes.size();) {
        qsizetype end = bytes.size();
        if (end - begin > chunkBytes) {
            const qsizetype crlf = bytes.indexOf(QByteArrayView("\r\n"), begin + std::max<qsizetype>(chunkBytes, 1));
            if (crlf >= 0)
                end = crlf + 2;
        }
        pieces.push_back({begin, end, {}, 0, -1, false});
        begin = end;
    }
    return pieces;
}

void parsePiece(QByteArrayView bytes, Piece &piece)
{
    QByteArrayView text = bytes.sliced(piece.begin, piece.end - piece.begin);
    if (const qsizetype zero = text.indexOf('\0'); zero >= 0) {
        piece.zeroAt = piece.begin + zero;
        text.truncate(zero);
    }
    try {
        forEachLine(platform::fromGbk(text), [&piece](QStringView line) {
            ++piece.lineCount;
            appendSongRecord(line, piece.rows);
        });
    } catch (const std::bad_alloc &) {
        // Exceptions do not cross the worker threads; the caller throws again.
        piece.rows = SongStore();
        piece.outOfMemory = true;
    }
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

namespace {
// The pieces up to the first zero byte, decoded and cut on every core.
std::vector<Piece> parsePieces(QByteArrayView bytes, qsizetype chunkBytes, const std::atomic<bool> *stop,
                               ParsedSearchFile &parsed)
{
    std::vector<Piece> pieces = cutIntoPieces(bytes, chunkBytes);
    QtConcurrent::blockingMap(pieces, [bytes, stop](Piece &piece) {
        if (!stop || !stop->load(std::memory_order_relaxed))
            parsePiece(bytes, piece);
    });
    const auto zero = std::find_if(pieces.begin(), pieces.end(), [](const Piece &piece) { return piece.zeroAt >= 0; });
    if (zero != pieces.end()) {
        // Zero bytes that only pad the end lose nothing.
        const QByteArrayView rest = bytes.sliced(zero->zeroAt);
        if (std::any_of(rest.begin(), rest.end(), [](char byte) { return byte != '\0'; })) {
            parsed.cutAtZeroByteLine = lineOfByte(bytes, zero->zeroAt);
            parsed.looksLikeUtf16 = looksLikeUtf16(bytes);
        }
        pieces.erase(zero + 1, pieces.end());
    }
    if (std::any_of(pieces.begin(), pieces.end(), [](const Piece &piece) { return piece.outOfMemory; }))
        throw std::bad_alloc();
    for (const Piece &piece : pieces)
        parsed.lineCount += piece.lineCount;
    return pieces;
}

// The rows of every piece, in file order, in storage sized once.
void gatherRows(std::vector<Piece> &pieces, ParsedSearchFile &parsed)
{
    std::vector<SongStore> rows;
    rows.reserve(pieces.size());
    for (Piece &piece : pieces)
        rows.push_back(std::move(piece.rows));
    pieces.clear();
    if (rows.size() == 1) {
        // One piece holds the rows already; what they keep for the rest of the run is what they use.
        parsed.rows = std::move(rows.front());
        parsed.rows.shrinkToFit();
        return;
    }
    parsed.rows.reserveForAll(rows);
    // The pieces' small blocks are handed back as they empty, so the rows are not held twice.
    constexpr size_t kPiecesBetweenGiveBacks = 4;
    for (size_t first = 0; first < rows.size(); first += kPiecesBetweenGiveBacks) {
        parsed.rows.appendAll(std::span(rows).subspan(first, std::min(kPiecesBetweenGiveBacks, rows.size() - first)));
        platform::giveBackFreedMemory();
    }
}
} // namespace

ParsedSearchFile parseSearchFile(QByteArrayView bytes, qsizetype chunkBytes, const std::atomic<bool> *stop)
{
    ParsedSearchFile parsed;
    std::vector<Piece> pieces = parsePieces(bytes, chunkBytes, stop, parsed);
    gatherRows(pieces, parsed);
    return parsed;
}

ParsedSearchFile parseSearchFile(QByteArray &&bytes, qsizetype chunkBytes, const std::atomic<bool> *stop)
{
    ParsedSearchFile parsed;
    std::vector<Piece> pieces = parsePieces(bytes, chunkBytes, stop, parsed);
    bytes = QByteArray();
    gatherRows(pieces, parsed);
    return parsed;
}

} // namespace songs
