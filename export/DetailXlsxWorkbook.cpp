// The detail workbook as .xlsx.
#include "export/DetailXlsxWorkbook.h"

#include "songs/SongColumns.h"
#include "platform/SaveFile.h"
#include "songs/SongTableModel.h"

namespace exporting {

DetailXlsxWorkbook::DetailXlsxWorkbook() : m_book(QStringList(songs::columnCaptions().begin(), songs::columnCaptions().end()))
{
}

void DetailXlsxWorkbook::appendSong(const songs::SongTableModel &table, int row)
{
    for (int column = 0; column < songs::kColumnCount; ++column)
        m_cells[size_t(column)] = table.cellView(row, column);
    m_book.appendRow(m_cells);
}

QString DetailXlsxWorkbook::save(const QString &path)
{
    return platform::saveFile(path, [this](QIODevice &device) { return m_book.write(device); });
}

} // namespace exporting
