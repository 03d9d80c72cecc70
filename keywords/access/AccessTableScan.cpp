#include "keywords/access/AccessTableScan.h"

#include "keywords/access/AccessDataPage.h"
#include "keywords/access/AccessFormat.h"
#include "keywords/access/AccessPageFile.h"
#include "keywords/access/AccessTableDef.h"
#include "keywords/access/AccessUsageMap.h"

#include <QSet>

namespace keywords::access {

namespace {

quint64 key(RowPointer pointer)
{
    return quint64(pointer.page) << 8 | pointer.row;
}

// The table's data pages, each with its row table.
struct TablePage {
    quint32 number;
    QList<RowSlot> entries;
};

} // namespace

std::optional<ScanOutcome> scanRows(PageFile &file, const TableDef &table,
                                    const std::function<RowRead(QByteArrayView row)> &read)
{
    ScanOutcome outcome;
    UsageMapLoss loss;
    const std::optional<QList<quint32>> pages = usedPages(file, table.usageMap, &loss);
    if (!pages)
        return std::nullopt;
    outcome.lostMapPages = loss.lostMapPages;
    if (loss.lostMapPages > 0 || loss.pagesPastEnd > 0)
        outcome.pagesSkipped = true;

    // First the row tables and where moved rows went, so that a moved row's new copy is only
    // ever read through the pointer left in its old place.
    QList<TablePage> tablePages;
    QSet<quint64> movedTo;
    for (quint32 number : *pages) {
        const QByteArray page = file.page(number);
        if (dataPageOwner(page) != table.page) {
            // Long-value and index pages are the table's too; anything else is out of place.
            if (!dataPageOwner(page)
                && !(page.size() > 0
                     && (quint8(page[0]) == pagetype::kIndexNode || quint8(page[0]) == pagetype::kIndexLeaf)))
                outcome.pagesSkipped = true;
            continue;
        }
        std::optional<QList<RowSlot>> entries = rowSlots(page, &outcome.unreadableRows);
        if (!entries) {
            outcome.pagesSkipped = true;
            continue;
        }
        for (const RowSlot &slot : *entries) {
            if (slot.moved && !slot.deleted && slot.end - slot.start >= data::kPointerSize)
                movedTo.insert(key(RowPointer::from(*Bytes(QByteArrayView(page).sliced(slot.start)).u32(0))));
        }
        tablePages.append({number, std::move(*entries)});
    }

    for (const TablePage &tablePage : tablePages) {
        const QByteArray page = file.page(tablePage.number);
        for (qsizetype i = 0; i < tablePage.entries.size(); ++i) {
            const RowSlot &slot = tablePage.entries[i];
            if (slot.deleted || movedTo.contains(key({tablePage.number, quint8(i)})))
                continue;
            std::optional<QByteArray> row = page.sliced(slot.start, slot.end - slot.start);
            if (slot.moved) {
                // Followed once: a pointer to another pointer, or to no row, is damage.
                const auto target = Bytes(*row).u32(0);
                const RowPointer pointer = RowPointer::from(target.value_or(0));
                row = target ? rowBytes(file, pointer, true) : std::nullopt;
                const QByteArray targetPage = row ? file.page(pointer.page) : QByteArray();
                if (row && dataPageOwner(targetPage) != table.page)
                    row.reset();
            }
            const RowRead verdict = row ? read(*row) : RowRead::Unreadable;
            if (verdict == RowRead::Stop)
                return outcome;
            if (verdict == RowRead::Unreadable)
                ++outcome.unreadableRows;
        }
    }
    return outcome;
}

} // namespace keywords::access
