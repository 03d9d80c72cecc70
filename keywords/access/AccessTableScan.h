// Every live row of one table, read from the table's own data pages.
#pragma once

#include <QByteArrayView>

#include <functional>
#include <optional>

namespace keywords::access {

class PageFile;
struct TableDef;

struct ScanOutcome {
    int unreadableRows = 0; // rows known to be there that could not be read
    bool pagesSkipped = false; // a page of the table's map was no page of the table
};

// Calls read with the bytes of each live row, in page and row-table order; a moved row is read
// where it now lies, in the place of its old copy, and never twice. read returns false for a row
// it cannot take apart, which counts as unreadable. Nothing when the table's page map cannot be read.
std::optional<ScanOutcome> scanRows(PageFile &file, const TableDef &table,
                                    const std::function<bool(QByteArrayView row)> &read);

} // namespace keywords::access
