// Little-endian byte sink for BIFF records and compound-file sectors, kept in memory or streamed out.
#include "ByteWriter.h"

#include <QIODevice>

#include <algorithm>
#include <cstring>

namespace xls {

ByteWriter::ByteWriter(qsizetype expectedSize)
{
    if (expectedSize > 0)
        grow(expectedSize);
}

ByteWriter::ByteWriter(QIODevice *sink, qsizetype chunkSize)
    : m_streaming(true), m_sink(sink)
{
    grow(std::max(chunkSize, kRecordHeaderSize + kMaxRecordPayload));
}

void ByteWriter::makeRoom(qsizetype needed)
{
    if (m_streaming)
        drain();
    if (needed > m_capacity - m_used)
        grow(needed);
}

void ByteWriter::grow(qsizetype needed)
{
    // The buffer's length is the capacity; bytes past m_used are scratch until take() trims them.
    const qsizetype capacity = std::max(m_used + needed, std::max<qsizetype>(m_capacity * 2, 4096));
    m_buffer.resize(capacity);
    m_data = m_buffer.data();
    m_capacity = capacity;
}

void ByteWriter::drain()
{
    if (!m_failed && m_used > 0)
        m_failed = m_sink->write(m_data, m_used) != m_used;
    m_base += m_used;
    m_used = 0;
}

void ByteWriter::f64(double value)
{
    quint64 bits;
    std::memcpy(&bits, &value, sizeof bits);
    qToLittleEndian(bits, claim(8));
}

void ByteWriter::bytes(QByteArrayView data)
{
    // A streaming writer hands large blocks to the sink as they are rather than copying them
    // through its chunk.
    if (m_streaming && data.size() > m_capacity - m_used) {
        drain();
        if (data.size() >= m_capacity) {
            if (!m_failed)
                m_failed = m_sink->write(data.data(), data.size()) != data.size();
            m_base += data.size();
            return;
        }
    }
    if (!data.isEmpty())
        std::memcpy(claim(data.size()), data.data(), size_t(data.size()));
}

void ByteWriter::fill(qsizetype n, char value)
{
    if (n > 0)
        std::memset(claim(n), value, size_t(n));
}

void ByteWriter::record(quint16 id, std::initializer_list<quint16> words)
{
    char *at = claim(kRecordHeaderSize + 2 * qsizetype(words.size()));
    storeU16(at, id);
    storeU16(at + 2, quint16(2 * words.size()));
    at += kRecordHeaderSize;
    for (quint16 word : words) {
        storeU16(at, word);
        at += 2;
    }
}

qsizetype ByteWriter::beginRecord(quint16 id)
{
    if (m_streaming && m_capacity - m_used < kRecordHeaderSize + kMaxRecordPayload)
        drain();
    const qsizetype start = size();
    char *at = claim(kRecordHeaderSize);
    storeU16(at, id);
    storeU16(at + 2, 0);
    return start;
}

void ByteWriter::endRecord(qsizetype recordStart)
{
    const qsizetype payload = size() - recordStart - kRecordHeaderSize;
    Q_ASSERT(recordStart >= m_base);
    Q_ASSERT(payload >= 0 && payload <= kMaxRecordPayload);
    storeU16(m_data + (recordStart - m_base) + 2, quint16(payload));
}

void ByteWriter::patchU16(qsizetype at, quint16 value)
{
    Q_ASSERT(at >= m_base && at + 2 <= size());
    storeU16(m_data + (at - m_base), value);
}

void ByteWriter::patchU32(qsizetype at, quint32 value)
{
    Q_ASSERT(at >= m_base && at + 4 <= size());
    storeU32(m_data + (at - m_base), value);
}

bool ByteWriter::finish()
{
    if (m_streaming)
        drain();
    return !m_failed;
}

} // namespace xls
