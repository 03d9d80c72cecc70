// A list's context menu that lives as long as the list. A screen reader keeps one accessible object
// per action, tied to the first menu that showed it; a menu made afresh for each right click (and
// thrown away when it closes) leaves every later popup with empty items.
#pragma once

#include <QList>
#include <QObject>

class QAction;
class QMenu;
class QPoint;
class QWidget;

namespace ui {

class ListContextMenu : public QObject {
    Q_OBJECT
public:
    // Gives the list its menu, once; the menu shows the actions added to the list
    // (QWidget::addAction), so each command adds its own entries, and then the menu's own entries.
    static ListContextMenu *install(QWidget *list);

    // An entry that is in this menu alone: an entry shared by several lists needs an action per menu.
    void addOwnEntry(QAction *entry);
    QMenu *menu() const { return m_menu; }

private:
    explicit ListContextMenu(QWidget *list);
    void popUp(const QPoint &position);

    QWidget *m_list;
    QMenu *m_menu;
    QList<QAction *> m_ownEntries;
};

} // namespace ui
