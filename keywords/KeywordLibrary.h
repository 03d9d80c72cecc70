// The keyword library: the music.mdb store, its list on screen, adding, deleting and searching.
#pragma once

#include "keywords/KeywordPanel.h"
#include "platform/store/StoreConnection.h"

#include <QObject>
#include <QString>

#include <deque>
#include <functional>

namespace platform { class Prompts; class QuitRequest; }
namespace songs { class SongTableModel; class SongListView; }

namespace keywords {

class KeywordListModel;

class KeywordLibrary : public QObject {
    Q_OBJECT
public:
    KeywordLibrary(const KeywordPanel &panel, songs::SongTableModel &songs, songs::SongListView &songList,
                   platform::Prompts &prompts, QString programFolder, const platform::QuitRequest &quit,
                   QObject *parent = nullptr);
    ~KeywordLibrary() override;

    // Opens music.mdb in the program folder and fills the keyword list. A missing file becomes an
    // empty library; an old Access file is converted once; anything unusable is reported once.
    void OpenKeywordDatabase();
    // Empties the keyword list and fills it again from table music, sorted by 歌曲名.
    void LoadKeywordList();

    // Adds the keyword of 编辑框3 with the remark of 编辑框4, unless it is stored already.
    void AddKeyword();
    // Deletes the keyword selected in the keyword list.
    void DeleteSelectedKeyword();

    // Looks for every keyword in the song names and reports the first song of each.
    void SearchKeywords();
    // Looks for CurrentKeyword in the song names and reports the first song that has it.
    void SearchSongsForKeyword();
    // Whether the name of song row holds CurrentKeyword; a hit is selected and reported.
    bool MatchSongRow(int row);
    const QString &CurrentKeyword() const { return m_currentKeyword; }

    QString databasePath() const;
    bool isLoading() const { return m_loading; }

private:
    enum class Changes { Refused, ReadOnly, Allowed };

    void connectControls();
    // Runs the command now, or right after the list load that is under way.
    void runWhenListReady(std::function<void()> command);
    void runWaitingCommands();

    // OpenKeywordDatabase's steps; each returns the notice for the user, if any.
    QString prepareStoreFile(const QString &path, bool *usable);
    QString openStore(const QString &path);

    void validateAndAddKeyword();
    void confirmAndDeleteKeyword();
    bool refuseChanges();
    bool commitChange();
    int selectedKeywordRow() const;

    int tell(const QString &text, unsigned style, const QString &title = QString());

    KeywordPanel m_panel;
    KeywordListModel &m_list;
    songs::SongTableModel &m_songs;
    songs::SongListView &m_songList;
    platform::Prompts &m_prompts;
    QString m_programFolder;
    const platform::QuitRequest &m_quit;
    platform::StoreConnection m_store; // 外部数据库2
    Changes m_changes = Changes::Refused;

    bool m_loading = false;
    bool m_lastLoadFailed = false;
    std::deque<std::function<void()>> m_waitingCommands;

    QString m_currentKeyword;
};

} // namespace keywords
