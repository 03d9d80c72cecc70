// The hit list as an .xls workbook: the list's header row, then its rows in the order shown, every
// cell whole (HitListModel::WholeTextRole) and Text.
#pragma once

#include <QString>

class QAbstractItemModel;

namespace keywords {

// Past 65,535 rows the list goes on on Sheet2, Sheet3, ..., each starting with the header row
// again (xls::Workbook). Saved as every export saves (platform::saveFile): empty on
// success, else why not, in words for the user.
QString saveHitListWorkbook(const QAbstractItemModel &rows, const QString &path);

} // namespace keywords
