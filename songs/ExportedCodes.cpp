// Reading the codes of earlier exports.
#include "songs/ExportedCodes.h"

#include "platform/TextFile.h"
#include "songs/SearchFileParser.h"
#include "songs/SongTableModel.h"

namespace songs {

namespace {

using Problem = ExportedCodes::Problem;

// Longer than any song code a server knows; a longer line is prose or data, not a code.
constexpr qsizetype kLongestCode = 64;
// A search file is cut this much at a time, so that only these rows are held at once.
constexpr qsizetype kSearchFilePieceBytes = 8 * 1024 * 1024;

ExportedCodes refusal(Problem problem)
{
    ExportedCodes refused;
    refused.problem = problem;
    return refused;
}

bool stopped(const std::atomic<bool> *stop)
{
    return stop && stop->load(std::memory_order_relaxed);
}

bool looksLikeCode(QStringView line)
{
    if (line.isEmpty() || line.size() > kLongestCode)
        return false;
    bool digit = false;
    for (const QChar c : line) {
        if (c.isSpace() || c.category() == QChar::Other_Control)
            return false;
        digit = digit || c.isDigit();
    }
    return digit;
}

// A line without the white space and byte-order marks around it: two UTF-8 lists joined put a mark
// at the start of a line, and a hand-edited list may have a blank before or after a code.
QStringView trimmedCode(QStringView line)
{
    const auto blank = [](QChar c) { return c.isSpace() || c == QChar::ByteOrderMark; };
    while (!line.isEmpty() && blank(line.front()))
        line = line.sliced(1);
    while (!line.isEmpty() && blank(line.back()))
        line.chop(1);
    return line;
}

bool contains(const QSet<QString> &codes, QStringView code)
{
    // A view of the line's own characters: no copy per line.
    return codes.contains(QString::fromRawData(code.data(), code.size()));
}

ExportedCodes codeListCodes(const platform::TextFile &file, const QSet<QString> &wanted, const std::atomic<bool> *stop)
{
    ExportedCodes result;
    bool anyCode = false;
    const bool whole = platform::forEachTextLine(file, [&](QStringView line) {
        const QStringView code = trimmedCode(line);
        if (code.isEmpty())
            return true;
        anyCode = anyCode || looksLikeCode(code);
        if (contains(wanted, code))
            result.codes.insert(code.toString());
        return !stopped(stop);
    });
    if (!whole)
        return refusal(Problem::Stopped);
    if (!anyCode)
        return refusal(Problem::NoCodeLine);
    return result;
}

ExportedCodes searchFileCodes(QByteArrayView bytes, const QSet<QString> &wanted, const std::atomic<bool> *stop)
{
    // Exactly the codes the import would put into the song table from this file, a piece at a time.
    ExportedCodes result;
    bool anyCode = false;
    for (qsizetype start = 0; start < bytes.size();) {
        if (stopped(stop))
            return refusal(Problem::Stopped);
        const qsizetype crlf = bytes.indexOf("\r\n", std::min(start + kSearchFilePieceBytes, bytes.size()));
        const qsizetype end = crlf < 0 ? bytes.size() : crlf + 2;
        const ParsedSearchFile parsed = parseSearchFile(bytes.sliced(start, end - start));
        for (qsizetype row = 0; row < parsed.rows.rowCount(); ++row) {
            const QStringView code = parsed.rows.cell(row, kCodeColumn);
            anyCode = anyCode || !code.isEmpty();
            if (!code.isEmpty() && contains(wanted, code))
                result.codes.insert(code.toString());
        }
        start = end;
    }
    if (!anyCode)
        return refusal(Problem::NoSongWithCode);
    return result;
}

ExportedCodes codesIn(const platform::TextFile &file, const QSet<QString> &wanted, const std::atomic<bool> *stop)
{
    if (!file.isRead()) {
        ExportedCodes unread;
        unread.reading = file.reason;
        unread.systemText = file.systemText;
        return unread;
    }
    if (file.bytes.indexOf("||") >= 0)
        return searchFileCodes(file.bytes, wanted, stop);
    return codeListCodes(file, wanted, stop);
}

} // namespace

ExportedCodes findExportedCodes(QByteArray bytes, const QSet<QString> &wanted, const std::atomic<bool> *stop)
{
    return codesIn(platform::readText(std::move(bytes)), wanted, stop);
}

ExportedCodes findExportedCodes(const QString &path, const QSet<QString> &wanted, const std::atomic<bool> *stop)
{
    return codesIn(platform::readTextFile(path, kMaxExportedCodesFileBytes), wanted, stop);
}

QSet<QString> songCodes(const SongTableModel &table)
{
    QSet<QString> codes;
    const int count = table.songCount();
    codes.reserve(count);
    for (int row = 0; row < count; ++row) {
        const QStringView code = table.cellView(row, kCodeColumn);
        if (!code.isEmpty())
            codes.insert(code.toString());
    }
    return codes;
}

QList<int> rowsWithCodes(const SongTableModel &table, const QSet<QString> &codes)
{
    QList<int> rows;
    if (codes.isEmpty())
        return rows;
    const int count = table.songCount();
    for (int row = 0; row < count; ++row) {
        const QStringView code = table.cellView(row, kCodeColumn);
        if (!code.isEmpty() && contains(codes, code))
            rows.append(row);
    }
    return rows;
}

} // namespace songs
