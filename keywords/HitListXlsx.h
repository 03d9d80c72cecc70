// The hit list as an .xlsx workbook: the list's header row, then its rows as shown, every cell Text.
#pragma once

#include <QString>

class QAbstractItemModel;

namespace keywords {

// Up to 1,048,575 rows on a sheet, then Sheet2, ..., each starting with the header row. Saved as
// every export saves (platform::saveFile): empty on success, else why not, in words for the user.
QString saveHitListXlsx(const QAbstractItemModel &rows, const QString &path);

} // namespace keywords
