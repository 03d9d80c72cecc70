// Songs named and coded by their number, for the song table's cases.
#pragma once

#include "songs/SongStore.h"

namespace testing_support {

// Songs first .. first + count - 1, each with its number as name and as code.
inline songs::SongStore numberedSongs(int first, int count)
{
    songs::SongStore store;
    for (int i = first; i < first + count; ++i) {
        const QString name = QString::number(i);
        songs::SongStore::Cells cells;
        cells.fill(QStringView());
        cells[0] = name;
        cells[8] = name;
        store.appendRow(cells);
    }
    return store;
}

} // namespace testing_support
