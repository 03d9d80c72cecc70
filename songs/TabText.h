// Rows as tab-separated text, the form spreadsheets paste into cells: a tab between cells, CR LF
// after every row. A cell holding a tab, a line break or a leading quote is put in quotes (inner
// quotes doubled), as spreadsheets write such cells, so that it stays one cell.
#pragma once

#include <QString>
#include <QStringView>

#include <functional>

namespace songs {

QString tabSeparatedRows(int rowCount, int columnCount, const std::function<QStringView(int, int)> &cell);

} // namespace songs
