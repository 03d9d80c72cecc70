// What a removal of songs, or its undo or redo, did to the song table, and the status line's words
// for it: the one place those words are written.
#pragma once

#include <QString>

namespace songs {

struct RemovalFact {
    enum class Kind { Removed, Undone, Redone, NothingToUndo, NothingToRedo };
    Kind kind = Kind::Removed;
    int songs = 0; // taken out or put back
    int total = 0; // in the table afterwards

    bool operator==(const RemovalFact &) const = default;
};

QString removalStatusText(const RemovalFact &fact);

} // namespace songs
