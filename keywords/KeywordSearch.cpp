// The keyword search over the song names.
#include "keywords/KeywordLibrary.h"

#include "keywords/KeywordListModel.h"
#include "keywords/KeywordMatcher.h"
#include "keywords/KeywordTexts.h"
#include "platform/Prompts.h"
#include "songs/SongListView.h"
#include "songs/SongTableModel.h"

namespace keywords {

void KeywordLibrary::SearchKeywords()
{
    const int keywordCount = m_list.count();
    QList<QString> keywords;
    keywords.reserve(keywordCount);
    for (int k = 0; k < keywordCount; ++k)
        keywords.append(m_list.row(k).name);

    // One pass over the song names finds every keyword's first song; the messages then follow in
    // keyword order, exactly as a scan per keyword would give them.
    const int songCount = m_songs.songCount();
    const std::vector<int> firstSongs = FirstHitFinder(keywords).firstHits(
        songCount, [this](int row) { return m_songs.cellView(row, 0); });

    for (int k = 0; k < keywordCount; ++k) {
        m_currentKeyword = keywords[k];
        if (m_songs.songCount() != songCount)
            SearchSongsForKeyword(); // the table grew while a message was up: scan it as it is now
        else if (firstSongs[size_t(k)] >= 0)
            MatchSongRow(firstSongs[size_t(k)]);
    }
    tell(text::searchDone(), platform::mb::Ok);
}

void KeywordLibrary::SearchSongsForKeyword()
{
    const int songCount = m_songs.songCount();
    for (int row = 0; row < songCount; ++row) {
        if (MatchSongRow(row))
            return;
    }
}

bool KeywordLibrary::MatchSongRow(int row)
{
    if (row < 0 || row >= m_songs.songCount() || !containsKeyword(m_songs.cellView(row, 0), m_currentKeyword))
        return false;
    m_songList.selectRow(row);
    m_songList.showRow(row);
    m_songList.setFocus();
    tell(text::found(m_currentKeyword), platform::mb::Ok);
    return true;
}

} // namespace keywords
