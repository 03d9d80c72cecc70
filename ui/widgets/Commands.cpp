// Named actions for menus, windows and toolbars.
#include "ui/widgets/Commands.h"

#include <QAction>
#include <QWidget>

namespace ui {

QAction *makeCommand(QObject *parent, const Command &command)
{
    auto *action = new QAction(command.icon, command.caption, parent);
    action->setObjectName(command.name);
    action->setShortcuts(command.shortcuts);
    action->setShortcutContext(command.context);
    if (!command.description.isEmpty()) {
        action->setStatusTip(command.description);
        action->setToolTip(command.description);
    }
    if (command.shortcutInMenu)
        action->setShortcutVisibleInContextMenu(true);
    return action;
}

QAction *addCommand(QWidget *owner, const Command &command)
{
    QAction *action = makeCommand(owner, command);
    owner->addAction(action);
    return action;
}

} // namespace ui
