// A data page: its header, the table of its rows, each a run of bytes within the page, and one row
// read by its pointer.
#pragma once

#include "keywords/access/AccessBytes.h"

#include <QByteArray>
#include <QList>

#include <optional>

namespace keywords::access {

class PageFile;

struct RowSlot {
    qsizetype start = 0;
    qsizetype end = 0;    // one past the row's last byte
    bool deleted = false;
    bool moved = false;   // the row holds only a pointer to where its data now lies
};

// The page's owner: the TDEF page of the table, or data::kLongValueOwner for a page of long values.
std::optional<quint32> dataPageOwner(QByteArrayView page);

// The rows of a data page, in the order of its row table. Nothing when the page is no data page
// or its row table runs out of the page. A row whose bounds contradict the page is left out and
// counted in *damaged.
std::optional<QList<RowSlot>> rowSlots(QByteArrayView page, int *damaged);

// The bytes of one row, by pointer: the page must be a data page and the row a live one (or a
// deleted one, when allowed), holding its own data rather than a pointer to it.
std::optional<QByteArray> rowBytes(PageFile &file, RowPointer pointer, bool allowDeleted = false);

} // namespace keywords::access
