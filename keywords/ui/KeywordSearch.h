// The keyword search over the song names: for every keyword the first song whose name holds it.
#pragma once

#include <QObject>
#include <QString>

class QAction;
class QPushButton;
class QWidget;
namespace platform { class Prompts; }
namespace songs { class BusyGate; class SongTableModel; }

namespace keywords {

class KeywordListModel;
class KeywordStore;

class KeywordSearch : public QObject {
    Q_OBJECT
public:
    // Messages go to the prompts, over dialogParent.
    KeywordSearch(const KeywordListModel &list, const songs::SongTableModel &songs, platform::Prompts &prompts,
                  QWidget *dialogParent, QObject *parent = nullptr);

    // Gives 按钮4 and 按钮6 their commands. Both read the song table, which an export reads row by
    // row while the window answers, so both join the gate: greyed out, they ignore every trigger.
    // 按钮4 waits for a keyword load under way.
    void attachButtons(QPushButton *searchAll, QPushButton *searchOne, KeywordStore &store, songs::BusyGate &gate);

    // Looks for every keyword in the song names, reports the first song of each, then the end.
    void SearchKeywords();
    // Looks for CurrentKeyword in the song names and reports the first song that has it.
    void SearchSongsForKeyword();
    // The keyword searched for last; only the tests read it, to see what 按钮6 would look for.
    const QString &CurrentKeyword() const { return m_currentKeyword; }

Q_SIGNALS:
    // The name of this song row holds the current keyword; the message naming the keyword follows.
    void songFound(int row);

private:
    // Whether the name of song row holds CurrentKeyword; a hit is announced and reported.
    bool MatchSongRow(int row);

    const KeywordListModel &m_list;
    const songs::SongTableModel &m_songs;
    platform::Prompts &m_prompts;
    QWidget *m_dialogParent;
    QString m_currentKeyword;
};

} // namespace keywords
