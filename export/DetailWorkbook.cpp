// The detail workbook.
#include "export/DetailWorkbook.h"

#include "platform/SaveFile.h"
#include "songs/SongColumns.h"
#include "songs/SongTableModel.h"

namespace exporting {

const QStringList &DetailWorkbook::headerTexts()
{
    static const QStringList texts = {QStringLiteral("歌曲名字"), QStringLiteral("歌手名字"), QStringLiteral("歌曲语种"),
                                      QStringLiteral("歌曲类别"), QStringLiteral("音量衰减"), QStringLiteral("歌曲文件"),
                                      QStringLiteral("歌曲质量"), QStringLiteral("歌曲版本"), QStringLiteral("歌曲编码")};
    return texts;
}

DetailWorkbook::DetailWorkbook()
{
    startSheet();
}

void DetailWorkbook::startSheet()
{
    m_book.addWorksheet();
    m_songsOnSheet = 0;
    m_book.appendRow(headerTexts());
}

void DetailWorkbook::appendSong(const songs::SongTableModel &table, int row)
{
    if (m_songsOnSheet == kSongsPerSheet)
        startSheet();
    ++m_songsOnSheet;
    for (int column = 0; column < songs::kColumnCount; ++column)
        m_cells[size_t(column)] = table.cellText(row, column);
    m_book.appendRow(m_cells);
}

QString DetailWorkbook::save(const QString &path) const
{
    return platform::saveFile(path, [this](QIODevice &device) { return m_book.write(device); });
}

} // namespace exporting
