// The database's own catalog (table MSysObjects, whose definition is always on page 2): where a
// table's definition lies, by the table's name.
#pragma once

#include <QString>

#include <optional>

namespace keywords::access {

class PageFile;

enum class CatalogLookup { Found, NoSuchTable, Unreadable };

struct CatalogEntry {
    CatalogLookup lookup = CatalogLookup::Unreadable;
    quint32 definitionPage = 0;
};

// The user table of this name (A to Z in either case, an exact match preferred).
CatalogEntry findTable(PageFile &file, const QString &name);

} // namespace keywords::access
