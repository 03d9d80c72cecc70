// A table's page usage map: the pages that belong to the table, kept either inline in one row or
// in map pages the row points to.
#pragma once

#include "keywords/access/AccessBytes.h"

#include <QList>

#include <optional>

namespace keywords::access {

class PageFile;

// The table's own pages, ascending, each inside the file. Nothing when the map's row cannot be
// read or names a map of a kind this reader does not know. A map page that is missing or no map
// page counts in *damaged.
std::optional<QList<quint32>> usedPages(PageFile &file, RowPointer map, int *damaged);

// The bytes of one row, by pointer: the page must be a data page and the row a live one (or a
// deleted one, when allowed), holding its own data rather than a pointer to it.
std::optional<QByteArray> rowBytes(PageFile &file, RowPointer pointer, bool allowDeleted = false);

} // namespace keywords::access
