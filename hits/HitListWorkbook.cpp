// The hit list as an .xls or .xlsx workbook.
#include "hits/HitListWorkbook.h"

#include "hits/HitListModel.h"

#include <QAbstractItemModel>

#include <vector>

namespace hits {

bool saveHitListWorkbook(const QAbstractItemModel &rows, const QString &path, xls::WorkbookType type,
                         exporting::WorkbookSaveFailure &failure)
{
    const int columns = rows.columnCount();
    std::vector<QString> cells(static_cast<size_t>(columns));
    for (int column = 0; column < columns; ++column)
        cells[size_t(column)] = rows.headerData(column, Qt::Horizontal).toString();
    const std::unique_ptr<xls::TextWorkbook> book = xls::makeTextWorkbook(type, cells);
    std::vector<QStringView> views(static_cast<size_t>(columns));
    for (int row = 0; row < rows.rowCount(); ++row) {
        for (int column = 0; column < columns; ++column) {
            cells[size_t(column)] = rows.index(row, column).data(HitListModel::WholeTextRole).toString();
            views[size_t(column)] = cells[size_t(column)];
        }
        if (!book->appendRow(views))
            break;  // the save says why
    }
    return exporting::saveWorkbook(*book, path, {}, failure);
}

} // namespace hits
