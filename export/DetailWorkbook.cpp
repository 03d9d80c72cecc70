// The detail workbook.
#include "export/DetailWorkbook.h"

#include "platform/SaveFile.h"
#include "songs/SongTableModel.h"

namespace exporting {

DetailWorkbook::DetailWorkbook()
    : m_book(songs::columnCaptions())
{
}

void DetailWorkbook::appendSong(const songs::SongTableModel &table, int row)
{
    for (int column = 0; column < songs::kColumnCount; ++column)
        m_cells[size_t(column)] = table.cellText(row, column);
    m_book.appendRow(m_cells);
}

QString DetailWorkbook::save(const QString &path) const
{
    return platform::saveFile(path, [this](QIODevice &device) { return m_book.write(device); });
}

} // namespace exporting
