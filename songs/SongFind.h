// Finding one song in the song table by a piece of its name, singer or code, with the keyword rule:
// A to Z match a to z, every other character only itself.
#pragma once

#include <QStringView>

namespace songs { class SongTableModel; }

namespace songs {

struct FoundSong {
    int row = -1;         // -1: no song holds the text
    bool wrapped = false; // the search went past the end (or the start) and on from the other side
};

// The next song after row (or, going back, before it) whose name, singer or code holds text; row -1
// starts before the first song (going back: after the last). An empty text is found nowhere.
FoundSong findSong(const songs::SongTableModel &table, QStringView text, int row, bool forward);

} // namespace songs
