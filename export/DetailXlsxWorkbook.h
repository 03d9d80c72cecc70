// The detail workbook as .xlsx: the same header and cells as the .xls one, every cell Text, up to
// 1,048,575 songs on a sheet.
#pragma once

#include "songs/SongColumns.h"
#include "xls/XlsxWorkbook.h"

#include <array>

namespace songs { class SongTableModel; }

namespace exporting {

class DetailXlsxWorkbook {
public:
    DetailXlsxWorkbook();

    // Adds the song of this table row, its nine cells as the table holds them, after the last one.
    void appendSong(const songs::SongTableModel &table, int row);
    // Writes the file as every export does (platform::saveFile): empty on success, else why not.
    QString save(const QString &path);

private:
    xls::XlsxWorkbook m_book;
    std::array<QStringView, songs::kColumnCount> m_cells;  // the row being appended, viewed in the table
};

} // namespace exporting
