// Finding one song in the song table by a piece of its name, singer or code, as staff type it: the
// keyword rule (A to Z match a to z, every other character only itself) on name, singer and code;
// the text's fold (two characters or more) in the fold of the name or singer, so that another script,
// full-width letters, spaces or punctuation do not hide a song; and a text of ASCII letters as the
// pinyin initials of the name or singer (ddeq for 大地恩情).
#pragma once

#include "text/Fold.h"
#include "text/PinyinInitials.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace songs { class SongTableModel; }

namespace songs {

// How a song holds the text.
enum class FoundBy {
    Text,     // the name, singer or code contains it by the keyword rule
    Variant,  // the fold of the name or singer contains its fold
    Initials, // the initials of the name or singer match its letters
};

struct FoundSong {
    int row = -1;         // -1: no song holds the text
    bool wrapped = false; // the search went past the end (or the start) and on from the other side
    FoundBy by = FoundBy::Text;
};

// A find text, prepared once for the many songs it is tried on. Line breaks in it (a pasted
// spreadsheet cell ends in one) are dropped.
class SongQuery {
public:
    explicit SongQuery(QStringView text);

    bool isEmpty() const { return m_text.isEmpty(); }
    // How the song at row holds the text, if it does. scratch is reused between songs.
    std::optional<FoundBy> match(const SongTableModel &table, int row, QString &scratch) const;

private:
    QString m_text;
    std::optional<text::FoldSearch> m_folded; // none when the fold is shorter than two characters
    text::InitialsQuery m_initials;
};

// The text without its line breaks.
QString withoutLineBreaks(QStringView text);

// The next song after row (or, going back, before it) that holds text; row -1 starts before the
// first song (going back: after the last). An empty text is found nowhere.
FoundSong findSong(const songs::SongTableModel &table, QStringView text, int row, bool forward);

} // namespace songs
