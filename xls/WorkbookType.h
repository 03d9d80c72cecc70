// The two kinds of workbook a save dialog offers, which one a chosen name gets, and a writer of
// either kind.
#pragma once

#include "TextWorkbook.h"

#include <QFileInfo>
#include <QString>

#include <memory>
#include <span>

namespace xls {

enum class WorkbookType { Xls, Xlsx };

// The save dialog's file types, Excel 97-2003 first (the default), in the dialog's filter form.
inline QString workbookFilter()
{
    return QStringLiteral("Excel 97-2003 工作簿|*.xls|Excel 工作簿|*.xlsx");
}

// What to write at path: the kind its extension names, else the kind chosen in the dialog (its
// filter's index), so that a file's content always matches the extension it was given.
inline WorkbookType workbookTypeFor(const QString &path, int filterIndex)
{
    const QString suffix = QFileInfo(path).suffix();
    if (suffix.compare(QLatin1String("xlsx"), Qt::CaseInsensitive) == 0)
        return WorkbookType::Xlsx;
    if (suffix.compare(QLatin1String("xls"), Qt::CaseInsensitive) == 0)
        return WorkbookType::Xls;
    return filterIndex == 1 ? WorkbookType::Xlsx : WorkbookType::Xls;
}

// An empty workbook of that kind, holding the header row; throws std::bad_alloc when memory is short.
std::unique_ptr<TextWorkbook> makeTextWorkbook(WorkbookType type, std::span<const QString> header);

} // namespace xls
