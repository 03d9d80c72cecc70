// The hit list as an .xls workbook.
#include "keywords/HitListWorkbook.h"

#include "keywords/HitListModel.h"
#include "platform/SaveFile.h"
#include "xls/Workbook.h"

#include <QAbstractItemModel>

namespace keywords {

QString saveHitListWorkbook(const QAbstractItemModel &rows, const QString &path)
{
    const int columns = rows.columnCount();
    QList<QString> cells(columns);
    for (int column = 0; column < columns; ++column)
        cells[column] = rows.headerData(column, Qt::Horizontal).toString();
    xls::Workbook book(cells);
    for (int row = 0; row < rows.rowCount(); ++row) {
        for (int column = 0; column < columns; ++column)
            cells[column] = rows.index(row, column).data(HitListModel::WholeTextRole).toString();
        book.appendRow(cells);
    }
    return platform::saveFile(path, [&book](QIODevice &device) { return book.write(device); });
}

} // namespace keywords
