// Encoding of the shared string table as SST + CONTINUE records, and its EXTSST index.
#include "SstRecords.h"

#include "BiffRecords.h"
#include "XlsString.h"

#include <algorithm>

namespace xls {

namespace {

// Emits strings into SST/CONTINUE records. A string's header never ends a record apart from its first
// character, and a string carried on in a CONTINUE starts that record with a fresh flags byte.
class SstEncoder {
public:
    explicit SstEncoder(ByteWriter &out) : m_out(out) {}

    qsizetype begin(quint32 total, quint32 unique)
    {
        m_record = m_out.beginRecord(biff::kSst);
        m_out.u32(total);
        m_out.u32(unique);
        return m_record;
    }

    SstBucket position(qsizetype sstStart) const
    {
        return {quint32(m_out.size() - sstStart), quint16(m_out.size() - m_record)};
    }

    // Starts a CONTINUE first when the string's header and first character would not fit.
    void reserveStart(QStringView text, bool wide)
    {
        qsizetype first = 0;
        if (!text.isEmpty())
            first = wide && text.size() > 1 && text[0].isHighSurrogate() && text[1].isLowSurrogate() ? 4 : charBytes(1, wide);
        if (room() < 3 + first)
            nextRecord();
    }

    void add(QStringView text, bool wide)
    {
        m_out.u16(quint16(text.size()));
        m_out.u8(wide ? 1 : 0);
        for (;;) {
            qsizetype n = std::min(text.size(), wide ? room() / 2 : room());
            // A surrogate pair stays in one record: readers decode each record's part on its own.
            if (wide && n > 0 && n < text.size() && text[n - 1].isHighSurrogate() && text[n].isLowSurrogate())
                --n;
            writeChars(m_out.claim(charBytes(n, wide)), text.first(n), wide);
            text = text.sliced(n);
            if (text.isEmpty())
                return;
            nextRecord();
            m_out.u8(wide ? 1 : 0);
        }
    }

    void end() { m_out.endRecord(m_record); }

private:
    qsizetype room() const { return kMaxRecordPayload - (m_out.size() - m_record - kRecordHeaderSize); }

    void nextRecord()
    {
        m_out.endRecord(m_record);
        m_record = m_out.beginRecord(biff::kContinue);
    }

    ByteWriter &m_out;
    qsizetype m_record = 0;
};

} // namespace

quint16 extSstBucketSize(qsizetype uniqueCount)
{
    return uniqueCount < 1024 ? 8 : quint16(uniqueCount / 128 + 1);
}

SstLayout writeSst(ByteWriter &out, std::span<const QString> strings, quint32 totalCount)
{
    SstLayout layout;
    layout.stringsPerBucket = extSstBucketSize(qsizetype(strings.size()));
    layout.buckets.reserve(strings.size() / layout.stringsPerBucket + 1);
    SstEncoder encoder(out);
    const qsizetype start = encoder.begin(totalCount, quint32(strings.size()));
    for (size_t i = 0; i < strings.size(); ++i) {
        const QStringView text = strings[i];
        const bool wide = !isLatin1(text);
        encoder.reserveStart(text, wide);
        if (i % layout.stringsPerBucket == 0)
            layout.buckets.push_back(encoder.position(start));
        encoder.add(text, wide);
    }
    encoder.end();
    return layout;
}

void writeExtSst(ByteWriter &out, const SstLayout &layout, quint32 sstStreamOffset)
{
    const qsizetype start = out.beginRecord(biff::kExtSst);
    out.u16(layout.stringsPerBucket);
    for (const SstBucket &bucket : layout.buckets) {
        out.u32(sstStreamOffset + bucket.offset);
        out.u16(bucket.recordOffset);
        out.u16(0);
    }
    out.endRecord(start);
}

} // namespace xls
