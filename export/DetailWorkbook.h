// The detail workbook: a header row and one row per song, every cell Text, so that codes keep their
// leading zeros.
#pragma once

#include "songs/SongColumns.h"
#include "xls/Workbook.h"

#include <QString>

#include <array>

namespace songs { class SongTableModel; }

namespace exporting {

// The header row holds the columns' full captions (the list shows 质量 and 版本 where the workbook
// says 歌曲质量 and 歌曲版本). A worksheet holds 65,536 rows: past 65,535 songs they go on on
// Sheet2, Sheet3, ..., each starting with the header row again.
class DetailWorkbook {
public:
    DetailWorkbook();

    // Adds the song of this table row, its nine cells as the table holds them, after the last one.
    void appendSong(const songs::SongTableModel &table, int row);
    // Writes the file as every export does (platform::saveFile): empty on success, else why not.
    QString save(const QString &path) const;

private:
    xls::Workbook m_book;
    std::array<QString, songs::kColumnCount> m_cells;  // the row being appended
};

} // namespace exporting
