// Fuzz target: the search-file parser against a plain reference cut of the same decoded text.
#include "platform/Gbk.h"
#include "songs/SearchFileParser.h"

#include <QStringList>
#include <cstdlib>

namespace {

// The cutting rules written the slow, obvious way.
QStringList referenceFields(const QString &line)
{
    QStringList fields;
    QString current;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == u'|' && i + 1 < line.size() && line[i + 1] == u'|') {
            fields << current;
            current.clear();
            ++i;
        } else {
            current += line[i];
        }
    }
    fields << current;
    return fields;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const songs::ParsedSearchFile parsed = songs::parseSearchFile(bytes);

    QByteArrayView text = bytes;
    if (const qsizetype zero = text.indexOf('\0'); zero >= 0)
        text.truncate(zero);
    QString decoded = platform::fromGbk(text);
    if (decoded.endsWith(QStringLiteral("\r\n")))
        decoded.chop(2);
    const QStringList lines = text.isEmpty() ? QStringList() : decoded.split(QStringLiteral("\r\n"));

    if (parsed.lineCount != lines.size())
        std::abort();
    qsizetype row = 0;
    for (const QString &line : lines) {
        const QStringList fields = referenceFields(line);
        if (fields.size() <= 2)
            continue;
        if (row >= parsed.rows.rowCount())
            std::abort();
        for (int column = 0; column < songs::kColumnCount; ++column) {
            const int field = songs::kFieldOfColumn[size_t(column)];
            const QString expected = field <= fields.size() ? fields[field - 1] : QString();
            if (parsed.rows.cell(row, column) != expected)
                std::abort();
        }
        ++row;
    }
    if (row != parsed.rows.rowCount())
        std::abort();
    return 0;
}
