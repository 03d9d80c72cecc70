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
    int lostMapPages = 0;   // pages of the usage map that were missing or no map pages
    bool pagesSkipped = false; // a page of the table's map, or the map itself, was lost
};

// What the reader made of one row: taken, unreadable (counted as such), or the scan is to stop.
enum class RowRead { Taken, Unreadable, Stop };

// Calls read with the bytes of each live row, in page and row-table order; a moved row is read
// where it now lies, in the place of its old copy, and never twice. Nothing when the table's page
// map cannot be read.
std::optional<ScanOutcome> scanRows(PageFile &file, const TableDef &table,
                                    const std::function<RowRead(QByteArrayView row)> &read);

} // namespace keywords::access
