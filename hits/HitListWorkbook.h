// The hit list as a workbook, .xls or .xlsx: the list's header row, then its rows in the order shown,
// every cell whole (HitListModel::WholeTextRole) and Text.
#pragma once

#include <QString>

class QAbstractItemModel;

namespace hits {

// Past a sheet's last row the list goes on on Sheet2, Sheet3, ..., each starting with the header
// row again (65,535 rows a sheet in .xls, 1,048,575 in .xlsx). Saved as every export saves
// (platform::saveFile): empty on success, else why not, in words for the user.
QString saveHitListWorkbook(const QAbstractItemModel &rows, const QString &path);
QString saveHitListXlsx(const QAbstractItemModel &rows, const QString &path);

} // namespace hits
