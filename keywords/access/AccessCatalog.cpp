#include "keywords/access/AccessCatalog.h"

#include "keywords/access/AccessFormat.h"
#include "keywords/access/AccessRow.h"
#include "keywords/access/AccessTableDef.h"
#include "keywords/access/AccessTableScan.h"
#include "keywords/access/AccessText.h"

namespace keywords::access {

namespace {
std::optional<qint64> number(QByteArrayView row, const Column &column)
{
    const Cell cell = cellOf(row, column);
    if (cell.state != Cell::State::Value)
        return std::nullopt;
    const std::optional<QVariant> value = numberOf(cell.bytes, column.type);
    return value ? std::optional<qint64>(value->toLongLong()) : std::nullopt;
}
} // namespace

CatalogEntry findTable(PageFile &file, const QString &name)
{
    CatalogEntry entry;
    const std::optional<TableDef> catalogTable = readTableDef(file, kCatalogPage);
    if (!catalogTable)
        return entry;
    const Column *id = catalogTable->column(u"Id"_qs);
    const Column *objectName = catalogTable->column(u"Name"_qs);
    const Column *type = catalogTable->column(u"Type"_qs);
    const Column *flags = catalogTable->column(u"Flags"_qs);
    if (!id || !objectName || !type || objectName->type != ColumnType::Text)
        return entry;

    std::optional<quint32> caseMatch;
    std::optional<quint32> exactMatch;
    const auto scan = scanRows(file, *catalogTable, [&](QByteArrayView row) {
        const Cell nameCell = cellOf(row, *objectName);
        if (nameCell.state != Cell::State::Value)
            return nameCell.state == Cell::State::Null ? RowRead::Taken : RowRead::Unreadable;
        const std::optional<QString> text = decodeText(nameCell.bytes);
        if (!text || text->compare(name, Qt::CaseInsensitive) != 0)
            return RowRead::Taken;
        const auto objectType = number(row, *type);
        const auto objectFlags = flags ? number(row, *flags) : std::optional<qint64>(0);
        const auto objectId = number(row, *id);
        if (!objectType || !objectId)
            return RowRead::Unreadable;
        if (*objectType != catalog::kLocalTable
            || (objectFlags && (quint32(*objectFlags) & catalog::kSystemFlags) != 0))
            return RowRead::Taken;
        (*text == name ? exactMatch : caseMatch) = quint32(*objectId) & catalog::kPageOfId;
        return RowRead::Taken;
    });
    if (!scan)
        return entry;
    const std::optional<quint32> page = exactMatch ? exactMatch : caseMatch;
    entry.lookup = page ? CatalogLookup::Found : CatalogLookup::NoSuchTable;
    entry.definitionPage = page.value_or(0);
    return entry;
}

} // namespace keywords::access
