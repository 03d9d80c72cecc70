// The toolbar of the main window.
#include "app/Toolbar.h"

#include "app/Icons.h"
#include "ui/widgets/Accessibility.h"
#include "ui/widgets/Commands.h"

#include <QAction>
#include <QEvent>
#include <QToolBar>
#include <QToolButton>

namespace app {

namespace {
// Qt shows the caption as a tooltip when an entry has none; only three entries have one.
class NoTooltip final : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *, QEvent *event) override { return event->type() == QEvent::ToolTip; }
};

QAction *addEntry(QToolBar *toolbar, ToolbarPicture picture, const QString &caption, const QString &tooltip,
                  NoTooltip *noTooltip)
{
    QAction *action = ui::addCommand(
        toolbar, {.name = caption, .caption = caption, .description = tooltip, .icon = toolbarIcon(picture)});
    // The entry is known by its caption: the caption names it for people and for automation alike.
    if (QWidget *button = toolbar->widgetForAction(action)) {
        ui::nameControl(button, caption);
        if (tooltip.isEmpty())
            button->installEventFilter(noTooltip);
    }
    return action;
}

void addSeparator(QToolBar *toolbar, const QString &name)
{
    // A screen reader walking the toolbar meets the separator too.
    if (QWidget *line = toolbar->widgetForAction(toolbar->addSeparator()))
        ui::nameControl(line, name, QStringLiteral("分隔线"));
}
} // namespace

Toolbar buildToolbar(QWidget *window)
{
    Toolbar t;
    t.bar = new QToolBar(window);
    ui::nameControl(t.bar, QStringLiteral("工具条_顶部"), QStringLiteral("工具栏"));
    t.bar->setMovable(false);
    t.bar->setFloatable(false);
    t.bar->setIconSize(QSize(32, 32));
    t.bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    // The band above the song list is 56 pixels high; the default paddings would overflow it.
    t.bar->setContentsMargins(0, 0, 0, 0);
    t.bar->setStyleSheet(QStringLiteral("QToolBar { border: none; padding: 0px; spacing: 2px; }"
                                        "QToolButton { padding: 0px 3px; margin: 0px; }"));

    auto *noTooltip = new NoTooltip(t.bar);
    addSeparator(t.bar, QStringLiteral("工具条_顶部_分隔线1"));
    t.importSearchFile =
        addEntry(t.bar, ToolbarPicture::Import, caption::Import, QStringLiteral("请导入8位编码的搜歌文件"), noTooltip);
    t.exportWorkbook = addEntry(t.bar, ToolbarPicture::ExportWorkbook, caption::ExportWorkbook,
                                QStringLiteral("将导入的8位编码的搜歌文件基本明细导出为Excel表格"), noTooltip);
    t.exportCodes = addEntry(t.bar, ToolbarPicture::ExportCodes, caption::ExportCodes, {}, noTooltip);
    addSeparator(t.bar, QStringLiteral("工具条_顶部_分隔线2"));
    t.help = addEntry(t.bar, ToolbarPicture::Help, caption::Help, {}, noTooltip);
    t.about = addEntry(t.bar, ToolbarPicture::About, caption::About, {}, noTooltip);
    t.update = addEntry(t.bar, ToolbarPicture::Update, caption::Update,
                        QStringLiteral("联网进行更新检查，只有最新版本才能获得更多的功能"), noTooltip);
    t.quit = addEntry(t.bar, ToolbarPicture::Quit, caption::Quit, {}, noTooltip);

    // The button that shows entries the bar has no room for is Qt's own and has no caption; it is
    // hidden while every entry fits, but a screen reader walking the bar meets it all the same.
    if (auto *more = t.bar->findChild<QToolButton *>(QStringLiteral("qt_toolbar_ext_button")))
        more->setAccessibleName(QStringLiteral("更多工具栏按钮"));

    const int height = t.bar->sizeHint().height();
    t.bar->setGeometry(8, 8, 583, height);
    return t;
}

} // namespace app
