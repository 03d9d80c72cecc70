// The hit list as a workbook, .xls or .xlsx: the list's header row, then its rows in the order shown,
// every cell whole (HitListModel::WholeTextRole) and Text.
#pragma once

#include "export/DetailWorkbook.h"
#include "xls/WorkbookType.h"

#include <QString>

class QAbstractItemModel;

namespace hits {

// Past a sheet's last row the list goes on on Sheet2, Sheet3, ..., each starting with the header
// row again (65,535 rows a sheet in .xls, 1,048,575 in .xlsx). Saved as every workbook is
// (exporting::saveWorkbook): false on a failure, which failure then describes. Throws
// std::bad_alloc when memory runs short.
bool saveHitListWorkbook(const QAbstractItemModel &rows, const QString &path, xls::WorkbookType type,
                         exporting::WorkbookSaveFailure &failure);

} // namespace hits
