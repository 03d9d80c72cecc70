// Search-file lines for tests, built one way wherever a test needs songs in a file.
#pragma once

#include <QString>
#include <QStringList>

namespace testing_support {

// A search-file line of fieldCount fields joined by "||" whose song row reads `cells`, in column
// order (name, singer, language, category, volume, file, quality, version, code); cells not given
// stay empty. The fields no column takes read "f<n>", n counted from 1, so a cell filled from the
// wrong field shows which one it came from.
QString searchRecord(const QStringList &cells, int fieldCount = 28);

// A search file's text holding one such line per song, each ended by CR LF.
QString searchFileText(const QList<QStringList> &songs);

} // namespace testing_support
