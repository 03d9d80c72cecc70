// The hit list window: every song whose name holds a keyword, with its keywords, their remarks and
// the pieces of the name they hit, the songs per remark above it; written variants of a keyword hit
// too unless the user turns that off; sorting by column, showing a song in the song list, removing the songs
// from the song list and exporting the list as a workbook.
#pragma once

#include "platform/FileDialog.h"

#include <QList>
#include <QWidget>

class QAction;
class QCheckBox;
class QLabel;
class QPushButton;
class QSortFilterProxyModel;
class QTreeView;
namespace platform { class Prompts; class Shell; }
namespace songs { class BusyGate; }
namespace keywords { class KeywordListModel; class KeywordStore; }
namespace songs { class SongRemoval; class SongTableModel; }

namespace hits {

class HitListModel;

// What the hit list reads and whom it asks.
struct HitListSources {
    const keywords::KeywordListModel &keywords;
    keywords::KeywordStore &store; // the list is read only once a load under way has ended
    const songs::SongTableModel &songs;
    platform::Prompts &prompts;
    platform::Shell &shell;
    songs::BusyGate &busy; // the removal buttons join it: none while an export reads the song table
    QString dialogFolder;     // where the save dialog starts
    // Takes the confirmed songs out of the song table (song table rows in the order shown), and
    // undoes and redoes that as every removal.
    songs::SongRemoval &removal;
};

class HitListWindow : public QWidget {
    Q_OBJECT
public:
    HitListWindow(const HitListSources &sources, QWidget *parent);

    // Finds the hits again, at once.
    void refresh();

    // The commands of the window's buttons.
    void RemoveAllHits();
    void RemoveSelectedHits();
    void ExportHitList();

Q_SIGNALS:
    // The user picked this song (double-click or Enter): the song list is to show it.
    void songChosen(int row);

private:
    void buildControls();
    // The song table or the keyword list changed: the rows shown may be stale, so the list is
    // emptied now and found again once the change (or a whole keyword list load) is over.
    void scheduleRefresh();
    void refreshWhenListReady();
    void showCounts();
    void showKeywordsHitOnlyAsWritten();
    void updateButtons();
    QList<int> songRowsOf(const QList<int> &shownRows) const;
    void copySelectedHits();
    void confirmRemoval(const QList<int> &songRows, const QString &question);

    HitListSources m_sources;
    platform::FileDialog m_dialog;
    HitListModel *m_model = nullptr;
    QSortFilterProxyModel *m_sorted = nullptr;
    QLabel *m_counts = nullptr;
    QCheckBox *m_folded = nullptr; // checked: the folded rule, else the keywords as written
    QLabel *m_onlyAsWritten = nullptr;
    QTreeView *m_list = nullptr;
    QPushButton *m_removeAll = nullptr;
    QPushButton *m_removeSelected = nullptr;
    QAction *m_removeAllCommand = nullptr; // the buttons' commands, joined to the gate
    QAction *m_removeSelectedCommand = nullptr;
    QPushButton *m_export = nullptr;
    QPushButton *m_close = nullptr;
    bool m_refreshPending = false;
    int m_changes = 0; // changes of the song table or keyword list seen so far
};

} // namespace hits
