// A writer of either kind of workbook.
#include "WorkbookType.h"

#include "Workbook.h"
#include "XlsxWorkbook.h"

namespace xls {

std::unique_ptr<TextWorkbook> makeTextWorkbook(WorkbookType type, std::span<const QString> header)
{
    if (type == WorkbookType::Xlsx)
        return std::make_unique<XlsxWorkbook>(QStringList(header.begin(), header.end()));
    return std::make_unique<Workbook>(header);
}

} // namespace xls
