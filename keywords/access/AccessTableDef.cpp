#include "keywords/access/AccessTableDef.h"

#include "keywords/access/AccessFormat.h"
#include "keywords/access/AccessPageFile.h"
#include "keywords/access/AccessText.h"

#include <QSet>

namespace keywords::access {

namespace {

// A TDEF chain longer than this is no table of ours (a keyword table fits in one page or two).
constexpr int kMaxChainPages = 256;

// The whole definition: the first page whole, each following page without its header.
std::optional<QByteArray> definitionBytes(PageFile &file, quint32 first)
{
    QByteArray definition;
    QSet<quint32> seen;
    for (quint32 number = first; number != 0;) {
        if (seen.contains(number) || seen.size() >= kMaxChainPages)
            return std::nullopt;
        seen.insert(number);
        const QByteArray page = file.page(number);
        if (page.isEmpty() || quint8(page[0]) != pagetype::kTableDef)
            return std::nullopt;
        definition += definition.isEmpty() ? page : page.sliced(tdef::kPageHeader);
        number = *Bytes(page).u32(tdef::kNextPageAt);
    }
    return definition;
}

std::optional<Column> readColumn(const Bytes &bytes, qsizetype at)
{
    const auto type = bytes.u8(at);
    const auto number = bytes.u16(at + tdef::kColumnNumberAt);
    const auto varIndex = bytes.u16(at + tdef::kColumnVarIndexAt);
    const auto flags = bytes.u8(at + tdef::kColumnFlagsAt);
    const auto fixedOffset = bytes.u16(at + tdef::kColumnFixedOffsetAt);
    const auto length = bytes.u16(at + tdef::kColumnLengthAt);
    if (!type || !number || !varIndex || !flags || !fixedOffset || !length)
        return std::nullopt;
    Column column;
    column.type = ColumnType(*type);
    column.number = *number;
    column.varIndex = *varIndex;
    column.fixedOffset = *fixedOffset;
    column.length = *length;
    column.fixedLength = (*flags & tdef::kFixedLengthFlag) != 0;
    return column;
}

} // namespace

const Column *TableDef::column(const QString &name) const
{
    for (const Column &candidate : columns) {
        if (candidate.name.compare(name, Qt::CaseInsensitive) == 0)
            return &candidate;
    }
    return nullptr;
}

std::optional<TableDef> readTableDef(PageFile &file, quint32 page)
{
    const std::optional<QByteArray> definition = definitionBytes(file, page);
    if (!definition)
        return std::nullopt;
    const Bytes bytes(*definition);
    const auto rowCount = bytes.u32(tdef::kRowCountAt);
    const auto columnCount = bytes.u16(tdef::kColumnCountAt);
    const auto realIndexCount = bytes.u32(tdef::kRealIndexCountAt);
    const auto usageMap = bytes.u32(tdef::kUsageMapAt);
    if (!rowCount || !columnCount || !realIndexCount || !usageMap)
        return std::nullopt;

    TableDef table;
    table.page = page;
    table.rowCount = *rowCount;
    table.usageMap = RowPointer::from(*usageMap);
    qint64 at = tdef::kRealIndexesAt + qint64(*realIndexCount) * tdef::kRealIndexSize;
    if (!bytes.has(at, qint64(*columnCount) * tdef::kColumnSize))
        return std::nullopt;
    table.columns.reserve(*columnCount);
    for (int i = 0; i < *columnCount; ++i, at += tdef::kColumnSize) {
        const std::optional<Column> column = readColumn(bytes, at);
        if (!column)
            return std::nullopt;
        table.columns.append(*column);
    }
    // The names follow the columns, each a byte count and that many bytes of UCS-2.
    for (Column &column : table.columns) {
        const auto length = bytes.u16(at);
        if (!length || *length % 2 != 0)
            return std::nullopt;
        const auto name = bytes.slice(at + 2, *length);
        if (!name)
            return std::nullopt;
        column.name = decodeUcs2(*name);
        at += 2 + *length;
    }
    return table;
}

} // namespace keywords::access
