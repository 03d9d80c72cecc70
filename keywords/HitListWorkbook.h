// The hit list as an .xls workbook: the list's header row, then its rows as shown, every cell Text.
#pragma once

#include <QString>

class QAbstractItemModel;

namespace keywords {

// A worksheet holds 65,536 rows: past 65,535 rows the list goes on on Sheet2, Sheet3, ..., each
// starting with the header row again. Saved as every export saves (platform::saveFile): empty on
// success, else why not, in words for the user.
QString saveHitListWorkbook(const QAbstractItemModel &rows, const QString &path);

} // namespace keywords
