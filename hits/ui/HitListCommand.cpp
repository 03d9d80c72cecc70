// Opening the hit list.
#include "hits/ui/HitListCommand.h"

#include "ui/widgets/Commands.h"
#include "ui/widgets/ListContextMenu.h"

#include <QAction>

namespace hits {

HitListCommand::HitListCommand(const HitListSources &sources, QWidget *window)
    : QObject(window), m_sources(sources), m_window(window),
      m_entry(ui::makeCommand(this,
                              {.name = QStringLiteral("菜单项_列出命中歌曲"),
                               .caption = QStringLiteral("列出全部命中歌曲..."),
                               .shortcuts = {QKeySequence(Qt::CTRL | Qt::Key_L)},
                               .shortcutInMenu = true}))
{
    connect(m_entry, &QAction::triggered, this, &HitListCommand::ListKeywordHits);
}

void HitListCommand::addEntryPoints(const QList<QWidget *> &lists)
{
    m_window->addAction(m_entry);
    // Each menu gets an entry of its own, which shows the window's shortcut; it is in no list's
    // actions, so Ctrl+L stays the window's alone.
    for (QWidget *list : lists) {
        QAction *entry = ui::makeCommand(list,
                                         {.name = m_entry->objectName(),
                                          .caption = m_entry->text(),
                                          .shortcuts = {m_entry->shortcut()},
                                          .context = Qt::WidgetShortcut,
                                          .shortcutInMenu = true});
        connect(entry, &QAction::triggered, this, &HitListCommand::ListKeywordHits);
        ui::ListContextMenu::install(list)->addOwnEntry(entry);
    }
}

void HitListCommand::ListKeywordHits()
{
    if (!m_open) {
        m_open = new HitListWindow(m_sources, m_window);
        connect(m_open, &HitListWindow::songChosen, this, &HitListCommand::songChosen);
    }
    m_open->show();
    m_open->raise();
    m_open->activateWindow();
}

} // namespace hits
