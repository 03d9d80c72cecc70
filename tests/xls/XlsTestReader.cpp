// Reads written files back the way a spreadsheet program would, without using the writer's code.
#include "XlsTestReader.h"

namespace xlstest {

namespace {

constexpr quint32 kEnd = 0xFFFFFFFE, kFree = 0xFFFFFFFF, kFat = 0xFFFFFFFD, kDifat = 0xFFFFFFFC;

QByteArray fail(QString *error, const QString &why)
{
    *error = why;
    return {};
}

} // namespace

QByteArray workbookStream(const QByteArray &file, QString *error)
{
    if (file.size() < 1024 || file.size() % 512 || !file.startsWith("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"))
        return fail(error, "not a compound file of whole sectors");
    if (u16(file, 0x1A) != 3 || u16(file, 0x1E) != 9 || u32(file, 0x38) != 4096 || u32(file, 0x28) != 0 || u32(file, 0x3C) != kEnd)
        return fail(error, "header fields");
    const auto sector = [&](quint32 n) { return qsizetype(n + 1) * 512; };
    const quint32 sectors = quint32(file.size() / 512 - 1);
    const quint32 fatCount = u32(file, 0x2C), difatCount = u32(file, 0x48);

    std::vector<quint32> fatSectors;
    for (int i = 0; i < 109 && fatSectors.size() < fatCount; ++i)
        fatSectors.push_back(u32(file, 0x4C + 4 * i));
    quint32 difat = u32(file, 0x44);
    for (quint32 d = 0; d < difatCount; ++d) {
        if (difat >= sectors)
            return fail(error, "DIFAT chain leaves the file");
        for (int i = 0; i < 127 && fatSectors.size() < fatCount; ++i)
            fatSectors.push_back(u32(file, sector(difat) + 4 * i));
        difat = u32(file, sector(difat) + 508);
    }
    if (difat != kEnd || fatSectors.size() != fatCount)
        return fail(error, "DIFAT count or terminator");
    std::vector<quint32> fat;
    for (quint32 s : fatSectors) {
        if (s >= sectors)
            return fail(error, "FAT sector outside the file");
        for (int i = 0; i < 128; ++i)
            fat.push_back(u32(file, sector(s) + 4 * i));
    }
    quint32 fatMarked = 0, difatMarked = 0, pastEnd = 0;
    for (quint32 s : fatSectors)
        fatMarked += s < fat.size() && fat[s] == kFat;
    for (quint32 i = 0; i < fat.size(); ++i) {
        difatMarked += fat[i] == kDifat;
        pastEnd += i >= sectors && fat[i] != kFree;
    }
    if (fat.size() < sectors || fatMarked != fatCount || difatMarked != difatCount || pastEnd)
        return fail(error, "FAT does not mark its own and the DIFAT's sectors, or maps past the file");

    const qsizetype dir = sector(u32(file, 0x30));
    const qsizetype entry = dir + 128;
    if (u16(file, dir + 0x40) != 22 || u32(file, dir + 0x4C) != 1 || u16(file, entry + 0x40) != 18 || file[entry + 0x42] != 2
        || QString::fromUtf16(reinterpret_cast<const char16_t *>(file.constData() + entry), 8) != u"Workbook")
        return fail(error, "directory");
    const quint32 size = u32(file, entry + 0x78);
    if (size < 4096)
        return fail(error, "stream under the mini-stream cutoff");
    QByteArray stream;
    quint32 s = u32(file, entry + 0x74);
    for (quint32 n = 0; s != kEnd; ++n, s = fat[s]) {
        if (s >= sectors || n > sectors)
            return fail(error, "stream chain broken");
        stream.append(file.constData() + sector(s), 512);
    }
    if (stream.size() != (qsizetype(size) + 511) / 512 * 512)
        return fail(error, "stream chain length");
    stream.truncate(size);
    return stream;
}

std::vector<Record> records(const QByteArray &stream)
{
    std::vector<Record> out;
    for (qsizetype at = 0; at + 4 <= stream.size();) {
        const quint16 id = u16(stream, at), length = u16(stream, at + 2);
        if (id == 0 || at + 4 + length > stream.size())
            break;  // the zero padding after the last EOF
        out.push_back({id, at, stream.mid(at + 4, length)});
        at += 4 + length;
    }
    return out;
}

Sst decodeSst(const std::vector<Record> &records, size_t at)
{
    Sst sst;
    const QByteArray *data = &records[at].payload;
    sst.total = u32(*data, 0);
    const quint32 unique = u32(*data, 4);
    qsizetype pos = 8;
    for (quint32 i = 0; i < unique; ++i) {
        if (pos == data->size()) {
            data = &records[++at].payload;
            pos = 0;
        }
        if (pos + 4 > data->size())
            sst.splitHeader = true;
        sst.offsets.push_back(records[at].offset + 4 + pos);
        qsizetype remaining = u16(*data, pos);
        bool wide = (*data)[pos + 2] & 1;
        pos += 3;
        QString text;
        while (remaining > 0) {
            if (pos == data->size()) {
                sst.splitSurrogate |= !text.isEmpty() && text.back().isHighSurrogate();
                data = &records[++at].payload;
                wide = (*data)[0] & 1;
                pos = 1;
            }
            const qsizetype n = std::min(remaining, (data->size() - pos) / (wide ? 2 : 1));
            for (qsizetype k = 0; k < n; ++k)
                text += QChar(wide ? u16(*data, pos + 2 * k) : quint8((*data)[pos + k]));
            pos += wide ? 2 * n : n;
            remaining -= n;
        }
        sst.strings.push_back(text);
    }
    return sst;
}

} // namespace xlstest
