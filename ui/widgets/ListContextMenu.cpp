// A list's long-lived context menu.
#include "ui/widgets/ListContextMenu.h"

#include <QAbstractScrollArea>
#include <QMenu>

namespace ui {

ListContextMenu *ListContextMenu::install(QWidget *list)
{
    if (auto *installed = list->findChild<ListContextMenu *>(QString(), Qt::FindDirectChildrenOnly))
        return installed;
    return new ListContextMenu(list);
}

ListContextMenu::ListContextMenu(QWidget *list) : QObject(list), m_list(list), m_menu(new QMenu(list))
{
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list, &QWidget::customContextMenuRequested, this, &ListContextMenu::popUp);
}

void ListContextMenu::addOwnEntry(QAction *entry)
{
    m_ownEntries.append(entry);
}

void ListContextMenu::popUp(const QPoint &position)
{
    const QList<QAction *> entries = m_list->actions() + m_ownEntries;
    if (entries.isEmpty())
        return;
    // Filled again only when a command came or went, so the items keep their accessible objects.
    if (m_menu->actions() != entries) {
        m_menu->clear();
        m_menu->addActions(entries);
    }
    // A scroll area reports the position on its viewport.
    const auto *area = qobject_cast<QAbstractScrollArea *>(m_list);
    m_menu->popup(area ? area->viewport()->mapToGlobal(position) : m_list->mapToGlobal(position));
}

} // namespace ui
