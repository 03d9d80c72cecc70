// The keyword library: the music.mdb store, its list on screen, adding, deleting and searching.
#pragma once

#include "keywords/KeywordPanel.h"

#include <QObject>
#include <QString>

namespace platform { class Prompts; }
namespace songs { class SongTableModel; class SongListView; }

namespace keywords {

class KeywordLibrary : public QObject {
    Q_OBJECT
public:
    KeywordLibrary(const KeywordPanel &panel, songs::SongTableModel &songs, songs::SongListView &songList,
                   platform::Prompts &prompts, QString programFolder, QObject *parent = nullptr);

    // Opens music.mdb in the program folder and fills the keyword list.
    void OpenKeywordDatabase();

private:
    KeywordPanel m_panel;
    songs::SongTableModel &m_songs;
    songs::SongListView &m_songList;
    platform::Prompts &m_prompts;
    QString m_programFolder;
};

} // namespace keywords
