// The hit list as an .xls workbook.
#include "keywords/HitListWorkbook.h"

#include "platform/SaveFile.h"
#include "xls/Workbook.h"

#include <QAbstractItemModel>

namespace keywords {

namespace {
constexpr int kRowsPerSheet = xls::Workbook::kMaxRows - 1;
} // namespace

QString saveHitListWorkbook(const QAbstractItemModel &rows, const QString &path)
{
    xls::Workbook book;
    const int columns = rows.columnCount();
    QList<QString> cells(columns);
    int rowsOnSheet = 0;
    const auto startSheet = [&] {
        book.addWorksheet();
        rowsOnSheet = 0;
        for (int column = 0; column < columns; ++column)
            cells[column] = rows.headerData(column, Qt::Horizontal).toString();
        book.appendRow(cells);
    };
    startSheet();
    for (int row = 0; row < rows.rowCount(); ++row) {
        if (rowsOnSheet == kRowsPerSheet)
            startSheet();
        ++rowsOnSheet;
        for (int column = 0; column < columns; ++column)
            cells[column] = rows.index(row, column).data().toString();
        book.appendRow(cells);
    }
    return platform::saveFile(path, [&book](QIODevice &device) { return book.write(device); });
}

} // namespace keywords
