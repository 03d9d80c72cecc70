// Finding a song.
#include "songs/SongFind.h"

#include "text/KeywordMatchRule.h"
#include "songs/SongTableModel.h"

namespace songs {

namespace {
constexpr int kSearchedColumns[] = {songs::kNameColumn, 1, songs::kCodeColumn}; // name, singer, code

bool holds(const songs::SongTableModel &table, int row, QStringView text)
{
    for (const int column : kSearchedColumns) {
        if (::text::containsKeyword(table.cellView(row, column), text))
            return true;
    }
    return false;
}
} // namespace

FoundSong findSong(const songs::SongTableModel &table, QStringView text, int row, bool forward)
{
    const int count = table.songCount();
    if (text.isEmpty() || count == 0)
        return {};
    if (row < 0 || row >= count)
        row = forward ? -1 : count;
    const int step = forward ? 1 : -1;
    // Every song once, the one at row last, so that a lone match is found again and said to wrap.
    for (int i = 1; i <= count; ++i) {
        int at = row + step * i;
        const bool wrapped = at < 0 || at >= count;
        at = (at % count + count) % count;
        if (holds(table, at, text))
            return {at, wrapped};
    }
    return {};
}

} // namespace songs
