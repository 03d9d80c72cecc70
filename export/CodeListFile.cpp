// The code list file.
#include "export/CodeListFile.h"

#include "platform/Gbk.h"
#include "platform/SaveFile.h"
#include "songs/SongTableModel.h"

#include <QIODevice>

namespace exporting {

QString codeListText(const songs::SongTableModel &table, int count)
{
    QString text;
    text.reserve(qsizetype(count) * 10);
    for (int row = 0; row < count; ++row) {
        text += table.cellView(row, songs::kCodeColumn);
        text += u"\r\n";
    }
    return text;
}

QByteArray codeListBytes(QStringView text)
{
    return platform::toGbk(text);
}

bool CodeListFile::save(const QString &path, QStringView text)
{
    const QByteArray bytes = codeListBytes(text);
    m_failure = platform::saveFile(path, [&bytes](QIODevice &device) { return device.write(bytes) == bytes.size(); });
    return !m_failure.failed();
}

} // namespace exporting
