// Opening the hit list: the entry "列出全部命中歌曲..." in the context menus of the song list and the
// keyword list, and its shortcut Ctrl+L in the main window. One hit list is open at a time.
#pragma once

#include "hits/ui/HitListWindow.h"

#include <QObject>
#include <QPointer>

class QAction;

namespace hits {

class HitListCommand : public QObject {
    Q_OBJECT
public:
    // The hit list window belongs to window and stays above it.
    HitListCommand(const HitListSources &sources, QWidget *window);

    // Adds the entry to each list's context menu, and its shortcut to the window.
    void addEntryPoints(const QList<QWidget *> &lists);

    // Opens the hit list, or brings the open one to the front.
    void ListKeywordHits();
    // The open hit list, or null.
    HitListWindow *openList() const { return m_open; }

Q_SIGNALS:
    // Passed on from the open hit list.
    void songChosen(int row);

private:
    HitListSources m_sources;
    QWidget *m_window;
    QAction *m_entry;
    QPointer<HitListWindow> m_open;
};

} // namespace hits
