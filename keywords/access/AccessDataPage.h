// A data page: its header, and the table of its rows, each a run of bytes within the page.
#pragma once

#include "keywords/access/AccessBytes.h"

#include <QByteArray>
#include <QList>

#include <optional>

namespace keywords::access {

struct RowSlot {
    qsizetype start = 0;
    qsizetype end = 0;    // one past the row's last byte
    bool deleted = false;
    bool moved = false;   // the row holds only a pointer to where its data now lies
};

constexpr quint8 kDataPage = 0x01;

// The page's owner: the TDEF page of the table, or the word "LVAL" for a page of long values.
std::optional<quint32> dataPageOwner(QByteArrayView page);
constexpr quint32 kLongValueOwner = 0x4c41564c; // "LVAL"

// The rows of a data page, in the order of its row table. Nothing when the page is no data page
// or its row table runs out of the page. A row whose bounds contradict the page is left out and
// counted in *damaged.
std::optional<QList<RowSlot>> rowSlots(QByteArrayView page, int *damaged);

} // namespace keywords::access
