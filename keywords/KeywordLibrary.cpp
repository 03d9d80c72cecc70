// The keyword library.
#include "keywords/KeywordLibrary.h"

namespace keywords {

KeywordLibrary::KeywordLibrary(const KeywordPanel &panel, songs::SongTableModel &songs, songs::SongListView &songList,
                               platform::Prompts &prompts, QString programFolder, QObject *parent)
    : QObject(parent), m_panel(panel), m_songs(songs), m_songList(songList), m_prompts(prompts),
      m_programFolder(std::move(programFolder))
{
}

void KeywordLibrary::OpenKeywordDatabase()
{
    // Arrives with the keyword library.
}

} // namespace keywords
