// The hit list as an .xls workbook.
#include "keywords/HitListWorkbook.h"

#include "xls/Workbook.h"

#include <QAbstractItemModel>

namespace keywords {

namespace {
constexpr int kRowsPerSheet = xls::Workbook::kMaxRows - 1;
} // namespace

bool saveHitListWorkbook(const QAbstractItemModel &rows, const QString &path, QString *errorString)
{
    xls::Workbook book;
    const int columns = rows.columnCount();
    int sheet = -1;
    int rowOnSheet = 0;
    const auto startSheet = [&] {
        sheet = book.addWorksheet();
        rowOnSheet = 0;
        for (int column = 0; column < columns; ++column)
            book.setTextCell(sheet, 0, column, rows.headerData(column, Qt::Horizontal).toString());
    };
    startSheet();
    for (int row = 0; row < rows.rowCount(); ++row) {
        if (rowOnSheet == kRowsPerSheet)
            startSheet();
        ++rowOnSheet;
        for (int column = 0; column < columns; ++column)
            book.setTextCell(sheet, rowOnSheet, column, rows.index(row, column).data().toString());
    }
    return book.saveAs(path, errorString);
}

} // namespace keywords
