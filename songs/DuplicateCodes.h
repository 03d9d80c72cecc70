// Songs whose code an earlier song of the table already has.
#pragma once

#include <QList>

namespace songs {

class SongTableModel;

// The rows, ascending, whose code cell holds exactly the text of an earlier row's code cell; the
// first row of each code is kept. Empty codes are never duplicates of each other.
QList<int> duplicateCodeRows(const SongTableModel &table);

} // namespace songs
