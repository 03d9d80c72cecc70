#include "keywords/access/AccessTableDef.h"

#include "keywords/access/AccessPageFile.h"
#include "keywords/access/AccessText.h"

#include <QSet>

namespace keywords::access {

namespace {

constexpr quint8 kTdefPage = 0x02;
constexpr qsizetype kNextPageAt = 4;
constexpr qsizetype kPageHeader = 8; // every TDEF page of a chain begins with this much header
// The definition block, counted from the start of the first page.
constexpr qsizetype kRowCountAt = 0x10;
constexpr qsizetype kColumnCountAt = 0x2d;
constexpr qsizetype kRealIndexCountAt = 0x33;
constexpr qsizetype kUsageMapAt = 0x37;
constexpr qsizetype kRealIndexesAt = 0x3f;
constexpr qsizetype kRealIndexSize = 12;
constexpr qsizetype kColumnSize = 25;
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
        if (page.isEmpty() || quint8(page[0]) != kTdefPage)
            return std::nullopt;
        definition += definition.isEmpty() ? page : page.sliced(kPageHeader);
        number = *Bytes(page).u32(kNextPageAt);
    }
    return definition;
}

std::optional<Column> readColumn(const Bytes &bytes, qsizetype at)
{
    const auto type = bytes.u8(at);
    const auto number = bytes.u16(at + 5);
    const auto varIndex = bytes.u16(at + 7);
    const auto flags = bytes.u8(at + 15);
    const auto fixedOffset = bytes.u16(at + 21);
    const auto length = bytes.u16(at + 23);
    if (!type || !number || !varIndex || !flags || !fixedOffset || !length)
        return std::nullopt;
    Column column;
    column.type = ColumnType(*type);
    column.number = *number;
    column.varIndex = *varIndex;
    column.fixedOffset = *fixedOffset;
    column.length = *length;
    column.fixedLength = (*flags & 0x01) != 0;
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
    const auto rowCount = bytes.u32(kRowCountAt);
    const auto columnCount = bytes.u16(kColumnCountAt);
    const auto realIndexCount = bytes.u32(kRealIndexCountAt);
    const auto usageMap = bytes.u32(kUsageMapAt);
    if (!rowCount || !columnCount || !realIndexCount || !usageMap)
        return std::nullopt;

    TableDef table;
    table.page = page;
    table.rowCount = *rowCount;
    table.usageMap = RowPointer::from(*usageMap);
    qint64 at = kRealIndexesAt + qint64(*realIndexCount) * kRealIndexSize;
    if (!bytes.has(at, qint64(*columnCount) * kColumnSize))
        return std::nullopt;
    table.columns.reserve(*columnCount);
    for (int i = 0; i < *columnCount; ++i, at += kColumnSize) {
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
