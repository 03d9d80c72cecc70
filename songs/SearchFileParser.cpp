// Cutting a search file into lines, fields and song rows.
#include "songs/SearchFileParser.h"

#include "platform/Gbk.h"
#include "platform/TextFile.h"

#include <QBuffer>
#include <QDateTime>
#include <QFileDevice>
#include <QFuture>
#include <QIODevice>
#include <QScopeGuard>
#include <QThreadPool>
#include <QtConcurrentRun>

#include <algorithm>
#include <deque>


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

// One piece of the file and what it gives. A piece ends right after a CR LF pair of bytes: neither
// byte can be the second byte of a GBK character, so the piece decodes exactly as it would inside
// the whole text, and no line spans two pieces.
struct Piece {
    const QByteArray *buffer = nullptr;  // holds the piece's bytes from its start until it is parsed
    qsizetype size = 0;
    SongStore rows;
    qsizetype lineCount = 0;
    bool outOfMemory = false;
};

void parsePiece(Piece &piece)
{
    try {
        forEachLine(platform::fromGbk(QByteArrayView(piece.buffer->constData(), piece.size)), [&piece](QStringView line) {
            ++piece.lineCount;
            appendSongRecord(line, piece.rows);
        });
    } catch (const std::bad_alloc &) {
        // Exceptions do not cross the worker threads; the caller throws again.
        piece.rows = SongStore();
        piece.outOfMemory = true;
    }
}

// Reads the file piece by piece into reused buffers, hands each piece to the workers and gathers the
// rows in file order; the zero byte that ends the text is found while reading.
class PieceReader {
public:
    PieceReader(QIODevice &device, qsizetype chunkBytes, const std::atomic<bool> *stop)
        : m_device(device), m_chunkBytes(std::max<qsizetype>(chunkBytes, 1)), m_stop(stop),
          m_sizeAtStart(device.isSequential() ? 0 : device.size()), m_timeAtStart(modificationTime())
    {
    }

    ParsedSearchFile read()
    {
        // Enough buffers that every worker has a piece while the next ones are read.
        const size_t bufferCount = size_t(2 * std::max(1, QThreadPool::globalInstance()->maxThreadCount()));
        m_buffers.resize(bufferCount);
        m_running.resize(bufferCount);
        {
            // This thread mostly waits for the file and the workers: in the pool it lends its place
            // to a worker.
            QThreadPool::globalInstance()->releaseThread();
            const auto reserveAgain = qScopeGuard([] { QThreadPool::globalInstance()->reserveThread(); });
            try {
                readPieces();
            } catch (...) {
                waitForAll(); // the workers hold references to the buffers and pieces
                throw;
            }
            waitForAll();
        }
        if (m_readError.isEmpty() && changedWhileRead())
            m_changed = true;
        return gather();
    }

private:
    void readPieces()
    {
        for (size_t index = 0; !m_atEnd && !m_zeroSeen; ++index) {
            if (m_stop && m_stop->load(std::memory_order_relaxed))
                return;
            const size_t slot = index % m_buffers.size();
            m_running[slot].waitForFinished(); // the buffer's last piece is parsed
            QByteArray &buffer = m_buffers[slot];
            const qsizetype size = nextPiece(buffer);
            if (size < 0)
                return; // a read error
            if (size == 0)
                break; // the end, or a zero byte right at the piece's start
            Piece &piece = m_pieces.emplace_back();
            piece.buffer = &buffer;
            piece.size = size;
            m_running[slot] = QtConcurrent::run([&piece] { parsePiece(piece); });
        }
        if (m_zeroSeen)
            checkAfterZeroByte();
    }

    // Fills the buffer with the bytes left over from the last piece and as many more as make the next
    // piece; returns its size (0 at the end, -1 when reading fails).
    qsizetype nextPiece(QByteArray &buffer)
    {
        buffer.resize(0);
        buffer.append(m_carry);
        m_carry.resize(0);
        qsizetype searchFrom = 0;
        qsizetype end = -1;
        while (end < 0) {
            if (!readMore(buffer))
                return -1;
            if (m_atEnd)
                end = buffer.size();
            else if (const qsizetype crlf = QByteArrayView(buffer).sliced(searchFrom).lastIndexOf("\r\n"); crlf >= 0)
                end = searchFrom + crlf + 2;
            else
                searchFrom = std::max<qsizetype>(0, buffer.size() - 1); // a line longer than a piece
        }
        m_carry.append(QByteArrayView(buffer).sliced(end));
        buffer.truncate(end);
        if (const qsizetype zero = buffer.indexOf('\0'); zero >= 0) {
            m_zeroSeen = true;
            m_zeroPiece = m_pieces.size();
            m_zeroPieceBytes = buffer;   // what follows the zero byte is still to be looked at
            m_zeroAt = zero;
            buffer.truncate(zero);
        }
        return buffer.size();
    }

    // Files in /proc and the like report no size, and are read as they come.
    bool changedWhileRead() const
    {
        if (m_sizeAtStart <= 0)
            return false;
        // size() asks the file system again; it comes first, so that the time is asked afresh too.
        if (m_device.size() != m_sizeAtStart || modificationTime() != m_timeAtStart)
            return true;
        return m_atEnd && m_bytesRead != m_sizeAtStart; // the end came early, or more followed
    }

    QDateTime modificationTime() const
    {
        const auto *file = qobject_cast<const QFileDevice *>(&m_device);
        return file ? file->fileTime(QFileDevice::FileModificationTime) : QDateTime();
    }

    // Appends up to a piece's worth of bytes; false when reading fails.
    bool readMore(QByteArray &buffer)
    {
        const qsizetype had = buffer.size();
        buffer.resize(had + m_chunkBytes);
        const qint64 got = m_device.read(buffer.data() + had, m_chunkBytes);
        if (got < 0) {
            m_readError = m_device.errorString();
            return false;
        }
        buffer.truncate(had + qsizetype(got));
        m_bytesRead += got;
        if (m_head.size() < kHeadBytes)
            m_head.append(QByteArrayView(buffer).sliced(had).first(std::min<qsizetype>(got, kHeadBytes - m_head.size())));
        m_atEnd = got == 0; // read to the end: some files (in /proc) report no size
        return true;
    }

    // Zero bytes that only pad the end lose nothing; anything else after the first one is text the
    // import leaves out, and is reported.
    void checkAfterZeroByte()
    {
        const auto allZero = [](QByteArrayView bytes) {
            return std::all_of(bytes.begin(), bytes.end(), [](char byte) { return byte == '\0'; });
        };
        m_textAfterZero = !allZero(QByteArrayView(m_zeroPieceBytes).sliced(m_zeroAt)) || !allZero(m_carry);
        QByteArray rest(m_chunkBytes, Qt::Uninitialized);
        while (!m_textAfterZero && !m_atEnd) {
            const qint64 got = m_device.read(rest.data(), rest.size());
            if (got < 0) {
                m_readError = m_device.errorString();
                return;
            }
            m_bytesRead += got;
            m_textAfterZero = !allZero(QByteArrayView(rest).first(got));
            m_atEnd = got == 0; // read to the end: some files (in /proc) report no size
        }
    }

    void waitForAll()
    {
        for (QFuture<void> &running : m_running)
            running.waitForFinished();
    }

    ParsedSearchFile gather()
    {
        ParsedSearchFile parsed;
        parsed.readError = m_readError;
        if (!m_readError.isEmpty())
            parsed.failure = ParsedSearchFile::Failure::ReadFailed;
        else if (m_changed)
            parsed.failure = ParsedSearchFile::Failure::ChangedWhileRead;
        if (std::any_of(m_pieces.begin(), m_pieces.end(), [](const Piece &piece) { return piece.outOfMemory; }))
            throw std::bad_alloc();
        for (const Piece &piece : m_pieces)
            parsed.lineCount += piece.lineCount;
        if (m_zeroSeen && m_textAfterZero) {
            // CR and LF are never the second byte of a GBK character, so the bytes' CR LF pairs are
            // the text's lines.
            qsizetype linesBefore = QByteArrayView(m_zeroPieceBytes).first(m_zeroAt).count("\r\n");
            for (size_t piece = 0; piece < m_zeroPiece; ++piece)
                linesBefore += m_pieces[piece].lineCount;
            parsed.cutAtZeroByteLine = linesBefore + 1;
        }
        parsed.kind = platform::textKind(m_head, m_zeroSeen && m_textAfterZero);
        // Each piece's storage becomes a block of the result as it is, so no row is copied again.
        std::vector<SongStore> rows;
        rows.reserve(m_pieces.size());
        for (Piece &piece : m_pieces)
            rows.push_back(std::move(piece.rows));
        m_pieces.clear();
        parsed.rows.appendAll(rows);
        return parsed;
    }

    static constexpr qsizetype kHeadBytes = platform::kTextSampleBytes; // what tells UTF-16 and binary data

    QIODevice &m_device;
    const qsizetype m_chunkBytes;
    const std::atomic<bool> *m_stop;
    const qint64 m_sizeAtStart;
    const QDateTime m_timeAtStart;
    qint64 m_bytesRead = 0;
    bool m_changed = false;
    std::vector<QByteArray> m_buffers;
    std::vector<QFuture<void>> m_running;
    std::deque<Piece> m_pieces;  // the workers hold references to them: they must not move
    QByteArray m_carry;          // read past the last piece's end
    QByteArray m_head;           // the file's first bytes
    QByteArray m_zeroPieceBytes; // the piece the zero byte is in, whole
    qsizetype m_zeroAt = -1;     // within that piece
    size_t m_zeroPiece = 0;      // its index among the pieces
    bool m_zeroSeen = false;
    bool m_textAfterZero = false;
    bool m_atEnd = false;
    QString m_readError;
};
} // namespace

ParsedSearchFile parseSearchFile(QIODevice &device, qsizetype chunkBytes, const std::atomic<bool> *stop)
{
    return PieceReader(device, chunkBytes, stop).read();
}

ParsedSearchFile parseSearchFile(QByteArrayView bytes, qsizetype chunkBytes, const std::atomic<bool> *stop)
{
    QByteArray unowned = QByteArray::fromRawData(bytes.data(), bytes.size());
    QBuffer device(&unowned);
    device.open(QIODevice::ReadOnly);
    return parseSearchFile(device, chunkBytes, stop);
}

} // namespace songs
