// The Access reader: the file's header, the catalog, the table's definition and its rows.
#include "keywords/access/AccessReader.h"

#include "keywords/access/AccessCatalog.h"
#include "keywords/access/AccessFormat.h"
#include "keywords/access/AccessHeader.h"
#include "keywords/access/AccessLongValue.h"
#include "keywords/access/AccessPageFile.h"
#include "keywords/access/AccessRow.h"
#include "keywords/access/AccessTableDef.h"
#include "keywords/access/AccessTableScan.h"
#include "keywords/access/AccessText.h"

#include <QIODevice>

namespace keywords {

namespace {

using namespace access;
using Status = AccessKeywords::Status;

struct Cellular {
    bool ok = true;
    QVariant value;
};

// Reads the values of one row's columns, keeping count of the text bytes against the limit.
class RowValues {
public:
    RowValues(PageFile &file, qint64 maxTextBytes) : m_file(file), m_textBytesLeft(maxTextBytes) {}

    bool overLimit() const { return m_overLimit; }

    // A column's value as a QVariant: texts decoded, numbers as numbers; ok false when damaged.
    Cellular valueOf(QByteArrayView row, const Column *column)
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
            if (take(cell.bytes.size()))
                text = decodeText(cell.bytes);
            break;
        case ColumnType::Memo:
            // Checked against what the value claims before a byte of it is read.
            if (const std::optional<qint64> length = longValueLength(cell.bytes); length && take(*length)) {
                if (const std::optional<QByteArray> bytes = longValue(m_file, cell.bytes))
                    text = decodeText(*bytes);
            }
            break;
        default:
            if (const std::optional<QVariant> number = numberOf(cell.bytes, column->type))
                return {true, *number};
            // A kind of value a keyword table has no use for reads as null; a number too short, as damaged.
            return {!isNumber(column->type), {}};
        }
        return text ? Cellular{true, *text} : Cellular{false, {}};
    }

private:
    static bool isNumber(ColumnType type)
    {
        return type == ColumnType::Byte || type == ColumnType::Integer || type == ColumnType::LongInteger
            || type == ColumnType::Single || type == ColumnType::Double;
    }
    bool take(qint64 bytes)
    {
        if (bytes > m_textBytesLeft) {
            m_overLimit = true;
            return false;
        }
        m_textBytesLeft -= bytes;
        return true;
    }

    PageFile &m_file;
    qint64 m_textBytesLeft;
    bool m_overLimit = false;
};

QVariant asText(const QVariant &value)
{
    return value.isNull() || value.typeId() == QMetaType::QString ? value : QVariant(value.toString());
}

// A file whose catalog page and the usage page before it both look unlike any plain file's.
bool pagesLookScrambled(PageFile &file)
{
    const QByteArray usagePage = file.page(1);
    const QByteArray catalogPage = file.page(kCatalogPage);
    return !usagePage.isEmpty() && !catalogPage.isEmpty() && quint8(usagePage[0]) != pagetype::kData
        && quint8(catalogPage[0]) != pagetype::kTableDef;
}

// What the Memo values of these columns claim together, counted before any of them is read, so that
// a file whose rows all point at one huge value is refused at once; nothing past the limit.
bool memosWithinLimit(PageFile &file, const TableDef &table, const QList<const Column *> &columns, qint64 limit)
{
    QList<const Column *> memos;
    for (const Column *column : columns) {
        if (column && column->type == ColumnType::Memo)
            memos.append(column);
    }
    if (memos.isEmpty())
        return true;
    qint64 claimed = 0;
    scanRows(file, table, [&](QByteArrayView row) {
        for (const Column *memo : memos) {
            const Cell cell = cellOf(row, *memo);
            if (cell.state == Cell::State::Value)
                claimed += longValueLength(cell.bytes).value_or(0);
        }
        return claimed > limit ? RowRead::Stop : RowRead::Taken;
    });
    return claimed <= limit;
}

void readKeywordRows(PageFile &file, const TableDef &table, const AccessKeywordTable &names,
                     const AccessReadLimits &limits, AccessKeywords &result)
{
    const Column *id = table.column(names.id);
    const Column *name = table.column(names.name);
    const Column *remark = table.column(names.remark);
    if (!memosWithinLimit(file, table, {id, name, remark}, limits.maxTextBytes)) {
        result.status = Status::TooLarge;
        return;
    }
    // Room for the rows the pages can hold at most, never what the table merely claims.
    result.rows.reserve(qMin<qint64>(table.rowCount, qint64(file.pageCount()) * 64));
    RowValues values(file, limits.maxTextBytes);
    bool stopped = false;
    const std::optional<ScanOutcome> scan = scanRows(file, table, [&](QByteArrayView row) {
        if (limits.progress && !limits.progress(result.rows.size(), table.rowCount)) {
            stopped = true;
            return RowRead::Stop;
        }
        const Cellular idValue = values.valueOf(row, id);
        const Cellular nameValue = values.valueOf(row, name);
        const Cellular remarkValue = values.valueOf(row, remark);
        if (values.overLimit())
            return RowRead::Stop;
        if (!idValue.ok || !nameValue.ok || !remarkValue.ok)
            return RowRead::Unreadable;
        result.rows.append({idValue.value, asText(nameValue.value), asText(remarkValue.value)});
        return RowRead::Taken;
    });
    if (!scan || stopped || values.overLimit()) {
        result.status = !scan ? Status::CannotOpen : stopped ? Status::Stopped : Status::TooLarge;
        result.rows = {};
        return;
    }
    result.status = Status::Read;
    result.unreadableRows = scan->unreadableRows;
    const qint64 seen = qint64(result.rows.size()) + scan->unreadableRows;
    // Rows on a page that is lost as a whole are counted by the table's own row count, when that
    // count is one the table's pages could hold. A lost page that held none of the table's rows
    // (a hole in a sparse file) loses nothing.
    const bool countPlausible = table.rowCount <= qint64(file.pageCount()) * data::kMaxRows;
    if (scan->pagesSkipped && table.rowCount > seen && countPlausible)
        result.unreadableRows += int(table.rowCount - seen);
    const bool everyRowRead = countPlausible && qint64(result.rows.size()) >= table.rowCount;
    result.damaged = result.unreadableRows > 0 || (scan->pagesSkipped && !everyRowRead);
}

} // namespace

AccessKeywords readAccessKeywords(QIODevice &device, const AccessKeywordTable &names, const AccessReadLimits &limits)
{
    AccessKeywords result;
    if (!device.isOpen() || !device.seek(0))
        return result;
    const QByteArray start = device.read(kPageSize);
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
    PageFile file(device, kPageSize);
    if (header.encoded || pagesLookScrambled(file)) {
        result.status = Status::Encrypted;
        return result;
    }

    const CatalogEntry entry = findTable(file, names.table);
    if (entry.lookup != CatalogLookup::Found) {
        result.status = entry.lookup == CatalogLookup::NoSuchTable ? Status::NoKeywordTable : Status::CannotOpen;
        return result;
    }
    const std::optional<TableDef> table = readTableDef(file, entry.definitionPage);
    if (!table)
        return result;
    if (!table->column(names.name)) {
        result.status = Status::NoKeywordTable;
        return result;
    }
    readKeywordRows(file, *table, names, limits, result);
    return result;
}

} // namespace keywords
