// The detail workbook: a header row and one row per song, every cell Text, so that codes keep their
// leading zeros.
#pragma once

#include "platform/FileFailure.h"
#include "songs/SongColumns.h"
#include "xls/WorkbookType.h"

#include <QString>

#include <array>
#include <functional>
#include <memory>

namespace songs { class SongTableModel; }

namespace exporting {

// How a workbook save ended, for the words the window shows.
struct WorkbookSaveFailure {
    enum class Kind { None, Stopped, File, TemporaryFolder, Workbook, OutOfMemory };
    Kind kind = Kind::None;
    platform::FileFailure file; // File: why the file could not be made, written or put in place
    QString reason;             // TemporaryFolder and Workbook: the system's or the library's text
    QString folder;             // TemporaryFolder: the folder the workbook's own files could not be written in
    bool folderFull = false;
};

// Writes the workbook at path as every export writes its file (platform::SaveFile); keepGoing, when
// given, can stop it at every step, the older file then staying as it was. False on a failure.
bool saveWorkbook(xls::TextWorkbook &book, const QString &path, const std::function<bool()> &keepGoing,
                  WorkbookSaveFailure &failure);

// The header row holds the columns' full captions (the list shows 质量 and 版本 where the workbook
// says 歌曲质量 and 歌曲版本). An .xls worksheet holds 65,536 rows: past 65,535 songs they go on on
// Sheet2, Sheet3, ..., each starting with the header row again; an .xlsx one 1,048,575 songs.
class DetailWorkbook {
public:
    explicit DetailWorkbook(xls::WorkbookType type);

    // Adds the song of this table row, its nine cells as the table holds them, after the last one.
    // False when the workbook cannot take it; save() then reports why.
    bool appendSong(const songs::SongTableModel &table, int row);
    bool save(const QString &path, const std::function<bool()> &keepGoing = {});
    const WorkbookSaveFailure &failure() const { return m_failure; }

private:
    std::unique_ptr<xls::TextWorkbook> m_book;
    std::array<QStringView, songs::kColumnCount> m_cells;  // the row being appended, viewed in the table
    WorkbookSaveFailure m_failure;
};

} // namespace exporting
