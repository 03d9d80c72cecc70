// The one way a command is declared: a named action for a list's context menu, a window or a
// toolbar, found by its object name in tests and read by its caption on screen readers.
#pragma once

#include <QIcon>
#include <QKeySequence>
#include <QList>
#include <QString>

class QAction;
class QObject;
class QWidget;

namespace ui {

struct Command {
    QString name;         // the object name automation finds the command by
    QString caption = {}; // what a menu shows and a screen reader reads
    QList<QKeySequence> shortcuts = {};
    // Where the shortcuts work: the whole window unless a focused control owns the same keys.
    Qt::ShortcutContext context = Qt::WindowShortcut;
    QString description = {};    // the status tip and tooltip; the caption's when empty
    bool shortcutInMenu = false; // shows the shortcut beside the caption in a context menu
    QIcon icon = {};
};

// Makes the command and adds it to owner's actions, so that its shortcuts work and a list's
// context menu lists it.
QAction *addCommand(QWidget *owner, const Command &command);
// Makes the command without adding it to any widget: an entry another widget adds where it needs.
QAction *makeCommand(QObject *parent, const Command &command);

} // namespace ui
