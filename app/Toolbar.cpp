// The toolbar of the main window.
#include "app/Toolbar.h"

#include "app/Icons.h"
#include "ui/widgets/Accessibility.h"

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

struct Entry {
    bool separator;
    QString caption;
    QString tooltip;
    ToolbarPicture picture;
};
} // namespace

QToolBar *buildToolbar(QWidget *window)
{
    auto *toolbar = new QToolBar(window);
    ui::nameControl(toolbar, QStringLiteral("工具条_顶部"));
    toolbar->setMovable(false);
    toolbar->setFloatable(false);
    toolbar->setIconSize(QSize(32, 32));
    toolbar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    // The band above the song list is 56 pixels high; the default paddings would overflow it.
    toolbar->setContentsMargins(0, 0, 0, 0);
    toolbar->setStyleSheet(QStringLiteral("QToolBar { border: none; padding: 0px; spacing: 2px; }"
                                          "QToolButton { padding: 0px 3px; margin: 0px; }"));

    auto *noTooltip = new NoTooltip(toolbar);
    const Entry entries[] = {
        {true, {}, {}, ToolbarPicture::Import},
        {false, caption::Import, QStringLiteral("请导入8位编码的搜歌文件"), ToolbarPicture::Import},
        {false, caption::ExportWorkbook, QStringLiteral("将导入的8位编码的搜歌文件基本明细导出为Excel表格"),
         ToolbarPicture::ExportWorkbook},
        {false, caption::ExportCodes, {}, ToolbarPicture::ExportCodes},
        {true, {}, {}, ToolbarPicture::Import},
        {false, caption::Help, {}, ToolbarPicture::Help},
        {false, caption::About, {}, ToolbarPicture::About},
        {false, caption::Update, QStringLiteral("联网进行更新检查，只有最新版本才能获得更多的功能"),
         ToolbarPicture::Update},
        {false, caption::Quit, {}, ToolbarPicture::Quit},
    };
    for (const Entry &entry : entries) {
        if (entry.separator) {
            toolbar->addSeparator();
            continue;
        }
        QAction *action = toolbar->addAction(toolbarIcon(entry.picture), entry.caption);
        action->setObjectName(entry.caption);
        if (!entry.tooltip.isEmpty())
            action->setToolTip(entry.tooltip);
        if (QWidget *button = toolbar->widgetForAction(action)) {
            button->setObjectName(entry.caption);
            button->setAccessibleDescription(entry.caption);
            if (entry.tooltip.isEmpty())
                button->installEventFilter(noTooltip);
        }
    }
    const int height = toolbar->sizeHint().height();
    toolbar->setGeometry(8, 8, 583, height);
    return toolbar;
}

QString entryCaption(const QToolBar *toolbar, int index)
{
    const QList<QAction *> actions = toolbar->actions();
    if (index < 0 || index >= actions.size() || actions[index]->isSeparator())
        return {};
    return actions[index]->text();
}

} // namespace app
