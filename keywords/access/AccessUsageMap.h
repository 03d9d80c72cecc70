// A table's page usage map: the pages that belong to the table, kept either inline in one row or
// in map pages the row points to.
#pragma once

#include "keywords/access/AccessBytes.h"

#include <QList>

#include <optional>

namespace keywords::access {

class PageFile;

// What a usage map lost: map pages missing or no map pages, and pages it names past the file's end
// (a file cut short).
struct UsageMapLoss {
    int lostMapPages = 0;
    int pagesPastEnd = 0;
};

// The table's own pages, ascending, each inside the file. Nothing when the map's row cannot be
// read or names a map of a kind this reader does not know.
std::optional<QList<quint32>> usedPages(PageFile &file, RowPointer map, UsageMapLoss *loss);

} // namespace keywords::access
