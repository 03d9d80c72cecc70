// The hit list as an .xls or .xlsx workbook.
#include "hits/HitListWorkbook.h"

#include "hits/HitListModel.h"
#include "platform/FileErrors.h"
#include "platform/SaveFile.h"
#include "xls/Workbook.h"
#include "xls/XlsxWorkbook.h"

#include <QAbstractItemModel>

#include <new>

namespace hits {

namespace {

template <typename Book>
QString saveHitList(const QAbstractItemModel &rows, const QString &path)
{
    try {
        const int columns = rows.columnCount();
        QList<QString> cells(columns);
        for (int column = 0; column < columns; ++column)
            cells[column] = rows.headerData(column, Qt::Horizontal).toString();
        Book book(cells);
        for (int row = 0; row < rows.rowCount(); ++row) {
            for (int column = 0; column < columns; ++column)
                cells[column] = rows.index(row, column).data(HitListModel::WholeTextRole).toString();
            book.appendRow(cells);
        }
        return platform::saveFile(path, [&book](QIODevice &device) { return book.write(device); });
    } catch (const std::bad_alloc &) {
        return platform::outOfMemoryReason();
    }
}

} // namespace

QString saveHitListWorkbook(const QAbstractItemModel &rows, const QString &path)
{
    return saveHitList<xls::Workbook>(rows, path);
}

QString saveHitListXlsx(const QAbstractItemModel &rows, const QString &path)
{
    return saveHitList<xls::XlsxWorkbook>(rows, path);
}

} // namespace hits
