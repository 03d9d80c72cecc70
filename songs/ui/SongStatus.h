// The status line under the song list: the facts of what an import, a removal of songs, or its undo
// or redo, did to the song table, and the line's words for them, written here alone.
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

// Before anything was done.
QString idleStatusText();
// After an import that read lineCount lines, skipped ones included; empty when the file had no line,
// and the status line then stays as it was.
QString importStatusText(qsizetype lineCount);
QString removalStatusText(const RemovalFact &fact);

} // namespace songs
