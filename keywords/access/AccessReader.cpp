// The Access reader: the file's header, the catalog, table music's definition and its rows.
#include "keywords/access/AccessReader.h"

#include "keywords/KeywordSchema.h"
#include "keywords/access/AccessCatalog.h"
#include "keywords/access/AccessHeader.h"
#include "keywords/access/AccessLongValue.h"
#include "keywords/access/AccessPageFile.h"
#include "keywords/access/AccessRow.h"
#include "keywords/access/AccessTableDef.h"
#include "keywords/access/AccessTableScan.h"
#include "keywords/access/AccessText.h"

#include <QFile>

#include <cstring>

namespace keywords {

namespace {

using namespace access;
using Status = AccessKeywords::Status;

constexpr int kJet4PageSize = 4096;
// The first page of an encrypted file is in the clear; its catalog and usage pages are not.
constexpr quint32 kCatalogPage = 2;
// A data page holds at most this many rows (each takes at least its two-byte row-table entry).
constexpr qint64 kMaxRowsPerPage = (kJet4PageSize - 14) / 2;


struct Cellular {
    bool ok = true;
    QVariant value;
};

// A number stored little-endian, as are the platforms we build for; nothing when the value holds
// too few bytes (a damaged definition may call a variable-length value a number).
template <typename T> std::optional<T> little(QByteArrayView bytes)
{
    if (bytes.size() < qsizetype(sizeof(T)))
        return std::nullopt;
    T value{};
    std::memcpy(&value, bytes.data(), sizeof value);
    return value;
}

template <typename Stored, typename Kept> Cellular number(QByteArrayView bytes)
{
    const std::optional<Stored> value = little<Stored>(bytes);
    return value ? Cellular{true, Kept(*value)} : Cellular{false, {}};
}

// A column's value as a QVariant: texts decoded, numbers as numbers; ok false when damaged.
Cellular valueOf(PageFile &file, QByteArrayView row, const Column *column)
{
    if (!column)
        return {};
    const Cell cell = cellOf(row, *column);
    if (cell.state == Cell::State::Damaged)
        return {false, {}};
    if (cell.state == Cell::State::Null)
        return {};
    std::optional<QString> text;
    switch (column->type) {
    case ColumnType::Text:
        text = decodeText(cell.bytes);
        break;
    case ColumnType::Memo:
        if (const std::optional<QByteArray> bytes = longValue(file, cell.bytes))
            text = decodeText(*bytes);
        break;
    case ColumnType::Byte:
        return number<quint8, int>(cell.bytes);
    case ColumnType::Integer:
        return number<qint16, int>(cell.bytes);
    case ColumnType::LongInteger:
        return number<qint32, qlonglong>(cell.bytes);
    case ColumnType::Single:
        return number<float, double>(cell.bytes);
    case ColumnType::Double:
        return number<double, double>(cell.bytes);
    default:
        return {}; // a kind of value a keyword table has no use for
    }
    return text ? Cellular{true, *text} : Cellular{false, {}};
}

QVariant keywordId(const QVariant &value)
{
    if (value.typeId() == QMetaType::QString)
        return accessKeywordId(value.toString());
    const std::optional<qint64> number = KeywordSchema::keywordNumber(value);
    return number ? QVariant(qlonglong(*number)) : QVariant();
}

QVariant asText(const QVariant &value)
{
    return value.isNull() || value.typeId() == QMetaType::QString ? value : QVariant(value.toString());
}

// A file whose catalog page and the usage page before it both look unlike any plain file's.
bool pagesLookScrambled(PageFile &file)
{
    const QByteArray usage = file.page(1);
    const QByteArray catalog = file.page(kCatalogPage);
    return !usage.isEmpty() && !catalog.isEmpty() && quint8(usage[0]) != 0x01 && quint8(catalog[0]) != 0x02;
}

void readKeywordRows(PageFile &file, const TableDef &table, AccessKeywords &result)
{
    const Column *id = table.column(KeywordSchema::idColumn());
    const Column *name = table.column(KeywordSchema::nameColumn());
    const Column *remark = table.column(KeywordSchema::remarkColumn());
    result.rows.reserve(qMin<qint64>(table.rowCount, qint64(file.pageCount()) * 64));
    const std::optional<ScanOutcome> scan = scanRows(file, table, [&](QByteArrayView row) {
        const Cellular idValue = valueOf(file, row, id);
        const Cellular nameValue = valueOf(file, row, name);
        const Cellular remarkValue = valueOf(file, row, remark);
        if (!idValue.ok || !nameValue.ok || !remarkValue.ok)
            return false;
        result.rows.append({keywordId(idValue.value), asText(nameValue.value), asText(remarkValue.value)});
        return true;
    });
    if (!scan) {
        result.status = Status::CannotOpen;
        result.rows.clear();
        return;
    }
    result.status = Status::Read;
    result.unreadableRows = scan->unreadableRows;
    // Rows on a page that is lost as a whole are counted by the table's own row count, when that
    // count is one the table's pages could hold.
    const qint64 seen = qint64(result.rows.size()) + scan->unreadableRows;
    if (scan->pagesSkipped && table.rowCount > seen && table.rowCount <= qint64(file.pageCount()) * kMaxRowsPerPage)
        result.unreadableRows += int(table.rowCount - seen);
    result.damaged = scan->pagesSkipped || result.unreadableRows > 0;
}

} // namespace

AccessKeywords readAccessKeywords(QIODevice &device)
{
    AccessKeywords result;
    if (!device.seek(0))
        return result;
    const QByteArray start = device.read(kJet4PageSize);
    const FileHeader header = readFileHeader(start);
    switch (header.format) {
    case FileFormat::NotAccess:
        return result;
    case FileFormat::Jet3:
        result.status = Status::Unsupported;
        return result;
    case FileFormat::Jet4:
    case FileFormat::Ace:
        break;
    }
    PageFile file(device, kJet4PageSize);
    if (header.encoded || pagesLookScrambled(file)) {
        result.status = Status::Encrypted;
        return result;
    }

    const CatalogEntry entry = findTable(file, KeywordSchema::table());
    if (entry.lookup != CatalogLookup::Found) {
        result.status = entry.lookup == CatalogLookup::NoSuchTable ? Status::NoKeywordTable : Status::CannotOpen;
        return result;
    }
    const std::optional<TableDef> table = readTableDef(file, entry.definitionPage);
    if (!table)
        return result;
    if (!table->column(KeywordSchema::nameColumn())) {
        result.status = Status::NoKeywordTable;
        return result;
    }
    readKeywordRows(file, *table, result);
    return result;
}

AccessKeywords readAccessKeywords(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return readAccessKeywords(file);
}

} // namespace keywords
