// "复制选中歌曲" (Ctrl+C) in the song list: the selected songs, all nine columns in list order, as
// tab-separated text on the clipboard, ready to paste into a spreadsheet.
#pragma once

class QAction;

namespace songs {

class SongListView;
class SongTableModel;

QAction *addSongCopyEntry(SongListView &list, const SongTableModel &table);

} // namespace songs
