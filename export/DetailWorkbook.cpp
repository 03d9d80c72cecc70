// The detail workbook.
#include "export/DetailWorkbook.h"

#include "platform/SaveFile.h"
#include "songs/SongTableModel.h"

namespace exporting {

bool saveWorkbook(xls::TextWorkbook &book, const QString &path, const std::function<bool()> &keepGoing,
                  WorkbookSaveFailure &failure)
{
    using Kind = WorkbookSaveFailure::Kind;
    failure = {};
    if (book.failure() == xls::TextWorkbook::Failure::None) {
        platform::SaveFile file;
        if (file.save(path, [&](QIODevice &device) { return book.write(device, keepGoing); }, keepGoing))
            return true;
        if (file.failure() != platform::SaveFile::Failure::Content) {
            failure.kind = file.failure() == platform::SaveFile::Failure::Stopped ? Kind::Stopped : Kind::File;
            failure.file = file.fileFailure();
            return false;
        }
    }
    // The workbook failed on its own, while its rows went in or while it was written.
    switch (book.failure()) {
    case xls::TextWorkbook::Failure::Stopped:
        failure.kind = Kind::Stopped;
        break;
    case xls::TextWorkbook::Failure::TemporaryFiles:
        failure.kind = Kind::TemporaryFolder;
        failure.folder = book.temporaryFolder();
        failure.folderFull = book.temporaryFolderFull();
        break;
    default:
        failure.kind = Kind::Workbook;
        break;
    }
    failure.reason = book.errorString();
    return false;
}

DetailWorkbook::DetailWorkbook(xls::WorkbookType type)
    : m_book(xls::makeTextWorkbook(type, songs::columnCaptions()))
{
}

bool DetailWorkbook::appendSong(const songs::SongTableModel &table, int row)
{
    for (int column = 0; column < songs::kColumnCount; ++column)
        m_cells[size_t(column)] = table.cellView(row, column);
    return m_book->appendRow(m_cells);
}

bool DetailWorkbook::save(const QString &path, const std::function<bool()> &keepGoing)
{
    return saveWorkbook(*m_book, path, keepGoing, m_failure);
}

} // namespace exporting
