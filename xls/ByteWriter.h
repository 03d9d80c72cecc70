// Little-endian byte sink for BIFF records and compound-file sectors, kept in memory or streamed out.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QtEndian>

#include <initializer_list>

class QIODevice;

namespace xls {

// Excel refuses records whose payload is longer; longer data goes on in CONTINUE records.
inline constexpr qsizetype kMaxRecordPayload = 8224;
inline constexpr qsizetype kRecordHeaderSize = 4;

inline void storeU16(char *at, quint16 value) { qToLittleEndian(value, at); }
inline void storeU32(char *at, quint32 value) { qToLittleEndian(value, at); }

class ByteWriter {
public:
    // Keeps everything in memory, growing as needed; view() shows the bytes.
    explicit ByteWriter(qsizetype expectedSize = 0);
    // Passes the bytes on to `sink` a chunk at a time, so a large file never sits in memory whole.
    ByteWriter(QIODevice *sink, qsizetype chunkSize);

    ByteWriter(const ByteWriter &) = delete;
    ByteWriter &operator=(const ByteWriter &) = delete;

    // Bytes written so far, including those already passed on.
    qsizetype size() const { return m_base + m_used; }

    // Hands out the next n bytes for the caller to fill; the pointer is valid until the next call.
    char *claim(qsizetype n)
    {
        if (n > m_capacity - m_used)
            makeRoom(n);
        char *at = m_data + m_used;
        m_used += n;
        return at;
    }

    void u8(quint8 value) { *claim(1) = char(value); }
    void u16(quint16 value) { storeU16(claim(2), value); }
    void u32(quint32 value) { storeU32(claim(4), value); }
    void f64(double value);
    void bytes(QByteArrayView data);
    void zeros(qsizetype n) { fill(n, 0); }
    void fill(qsizetype n, char value);

    // A record whose payload is a row of 16-bit words, the shape of most fixed records.
    void record(quint16 id, std::initializer_list<quint16> words);

    // For records of variable size: the length field is filled in by endRecord(). A streaming writer
    // keeps a whole record in its chunk, so the payload must stay within kMaxRecordPayload.
    qsizetype beginRecord(quint16 id);
    void endRecord(qsizetype recordStart);

    // Only for bytes not yet passed on.
    void patchU16(qsizetype at, quint16 value);
    void patchU32(qsizetype at, quint32 value);

    // Passes on what is left; false if the sink refused any of it.
    bool finish();
    // In-memory writers only: the bytes written so far, valid until the next write.
    QByteArrayView view() const { return {m_data, m_used}; }
    // In-memory writers only: starts again from nothing, keeping the memory.
    void clear() { m_used = 0; }

private:
    void makeRoom(qsizetype needed);
    void grow(qsizetype needed);
    void drain();

    QByteArray m_buffer;
    char *m_data = nullptr;
    qsizetype m_used = 0;      // bytes in m_buffer
    qsizetype m_capacity = 0;  // usable length of m_buffer
    qsizetype m_base = 0;      // bytes passed on before m_buffer's first byte
    bool m_streaming = false;
    QIODevice *m_sink = nullptr;
    bool m_failed = false;
};

} // namespace xls
