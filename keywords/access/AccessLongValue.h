// Long values (Memo, OLE): kept in the row itself, in one row of a long-value page, or spread over
// a chain of such rows.
#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

namespace keywords::access {

class PageFile;

// The whole value its 12-byte reference in a row stands for; nothing when a page or row of it is
// missing, its chain loops or ends early, or its length contradicts the file.
std::optional<QByteArray> longValue(PageFile &file, QByteArrayView reference);
// The length the reference gives for its value, before anything of it is read; nothing when the
// reference is too short.
std::optional<qint64> longValueLength(QByteArrayView reference);

} // namespace keywords::access
