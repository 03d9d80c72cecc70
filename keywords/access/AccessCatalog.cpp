#include "keywords/access/AccessCatalog.h"

#include "keywords/access/AccessRow.h"
#include "keywords/access/AccessTableDef.h"
#include "keywords/access/AccessTableScan.h"
#include "keywords/access/AccessText.h"

namespace keywords::access {

namespace {
constexpr quint32 kCatalogPage = 2;
constexpr qint16 kLocalTable = 1;
// Flags of Access's own tables, which no user table carries.
constexpr quint32 kSystemFlags = 0x80000002;
constexpr quint32 kPageOfId = 0x00ffffff;

std::optional<quint32> number(QByteArrayView row, const Column &column)
{
    const Cell cell = cellOf(row, column);
    if (cell.state != Cell::State::Value)
        return std::nullopt;
    const Bytes bytes(cell.bytes);
    return column.type == ColumnType::Integer ? std::optional<quint32>(bytes.u16(0)) : bytes.u32(0);
}
} // namespace

CatalogEntry findTable(PageFile &file, const QString &name)
{
    CatalogEntry entry;
    const std::optional<TableDef> catalog = readTableDef(file, kCatalogPage);
    if (!catalog)
        return entry;
    const Column *id = catalog->column(u"Id"_qs);
    const Column *objectName = catalog->column(u"Name"_qs);
    const Column *type = catalog->column(u"Type"_qs);
    const Column *flags = catalog->column(u"Flags"_qs);
    if (!id || !objectName || !type || objectName->type != ColumnType::Text)
        return entry;

    std::optional<quint32> caseMatch;
    std::optional<quint32> exactMatch;
    const auto scan = scanRows(file, *catalog, [&](QByteArrayView row) {
        const Cell nameCell = cellOf(row, *objectName);
        if (nameCell.state != Cell::State::Value)
            return nameCell.state == Cell::State::Null;
        const std::optional<QString> text = decodeText(nameCell.bytes);
        if (!text || text->compare(name, Qt::CaseInsensitive) != 0)
            return true;
        const auto objectType = number(row, *type);
        const auto objectFlags = flags ? number(row, *flags) : std::optional<quint32>(0);
        const auto objectId = number(row, *id);
        if (!objectType || !objectId)
            return false;
        if (qint16(*objectType) != kLocalTable || (objectFlags && (*objectFlags & kSystemFlags) != 0))
            return true;
        (*text == name ? exactMatch : caseMatch) = *objectId & kPageOfId;
        return true;
    });
    if (!scan)
        return entry;
    const std::optional<quint32> page = exactMatch ? exactMatch : caseMatch;
    entry.lookup = page ? CatalogLookup::Found : CatalogLookup::NoSuchTable;
    entry.definitionPage = page.value_or(0);
    return entry;
}

} // namespace keywords::access
