// The keyword controls of the main window.
#include "app/KeywordControls.h"

#include "keywords/KeywordListModel.h"
#include "ui/widgets/Accessibility.h"
#include "ui/widgets/ClickableLabel.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>

namespace app {

using keywords::KeywordListModel;
using keywords::KeywordPanel;

namespace {
QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, QRect place)
{
    auto *label = new QLabel(text, parent);
    ui::nameControl(label, name);
    label->setGeometry(place);
    return label;
}

ui::ClickableLabel *makeClickable(QWidget *parent, const QString &name, const QString &text, QRect place)
{
    auto *label = new ui::ClickableLabel(text, parent);
    ui::nameControl(label, name);
    label->setGeometry(place);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

QPushButton *makeButton(QWidget *parent, const QString &name, const QString &text, QRect place)
{
    auto *button = new QPushButton(text, parent);
    ui::nameControl(button, name);
    button->setGeometry(place);
    return button;
}

// The narrow search button was laid out for a smaller system font than many desktops use: shrink
// its font until the whole caption fits rather than cutting it off.
void fitCaption(QPushButton *button)
{
    QFont font = button->font();
    const int room = button->width() - 6;
    while (QFontMetrics(font).horizontalAdvance(button->text()) > room && font.pointSizeF() > 6)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    button->setFont(font);
}

QLineEdit *makeEdit(QWidget *parent, const QString &name, const QString &plainName, QRect place)
{
    auto *edit = new QLineEdit(parent);
    ui::nameControl(edit, name, plainName);
    edit->setGeometry(place);
    return edit;
}
} // namespace

KeywordPanel buildKeywordPanel(QWidget *window)
{
    KeywordPanel p;
    p.searchButton = makeButton(window, QStringLiteral("按钮4"), QStringLiteral("搜索关键词"), {856, 5, 56, 48});
    fitCaption(p.searchButton);
    p.searchHint = makeLabel(window, QStringLiteral("标签5"), QStringLiteral("搜索存在已经录入关键词库中的信息"),
                             {916, 18, 104, 32});
    p.searchHint->setWordWrap(true);

    p.listFrame = new QGroupBox(QStringLiteral(" 关键搜索") + QString(17, u' '), window);
    ui::nameControl(p.listFrame, QStringLiteral("分组框2"));
    p.listFrame->setGeometry(842, 64, 174, 424);

    p.list = new QTreeView(p.listFrame);
    ui::nameControl(p.list, QStringLiteral("超级列表框1"), QStringLiteral("关键词列表"));
    p.list->setGeometry(4, 16, 166, 400);
    p.listModel = new KeywordListModel(p.list);
    p.list->setModel(p.listModel);
    p.list->setRootIsDecorated(false);
    p.list->setItemsExpandable(false);
    p.list->setUniformRowHeights(true);
    p.list->setAllColumnsShowFocus(true);
    p.list->setSelectionMode(QAbstractItemView::SingleSelection);
    p.list->setSelectionBehavior(QAbstractItemView::SelectRows);
    p.list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    p.list->header()->setStretchLastSection(false);
    p.list->header()->setSectionsClickable(false);
    p.list->header()->resizeSection(0, 80);
    p.list->header()->resizeSection(1, 80);

    // These two overlap the top edge of the keyword frame and must stay above it to get clicks.
    p.showAdd = makeClickable(window, QStringLiteral("透明标签3"), QStringLiteral("新增加"), {907, 62, 40, 16});
    p.showAdd->setStyleSheet(QStringLiteral("color: red;"));
    p.deleteButton = makeButton(window, QStringLiteral("按钮8"), QStringLiteral("删除选中"), {952, 63, 56, 16});
    p.showAdd->raise();
    p.deleteButton->raise();

    p.addPanel = new QGroupBox(QStringLiteral(" 增加关键 "), window);
    // The panel lies over the song list when shown; it must hide the rows beneath it.
    p.addPanel->setAutoFillBackground(true);
    ui::nameControl(p.addPanel, QStringLiteral("分组框3"));
    p.addPanel->setGeometry(336, 168, 256, 160);
    p.nameCaption = makeLabel(p.addPanel, QStringLiteral("标签3"), QStringLiteral("歌曲名："), {8, 32, 56, 24});
    p.nameEdit = makeEdit(p.addPanel, QStringLiteral("编辑框3"), QStringLiteral("歌曲名输入框"), {65, 32, 136, 24});
    p.remarkCaption = makeLabel(p.addPanel, QStringLiteral("标签4"), QStringLiteral("备  注："), {6, 68, 48, 16});
    p.remarkEdit = makeEdit(p.addPanel, QStringLiteral("编辑框4"), QStringLiteral("备注输入框"), {65, 64, 136, 24});
    p.remarkBanned = makeClickable(p.addPanel, QStringLiteral("透明标签4"), QStringLiteral("违禁"), {72, 96, 24, 16});
    p.remarkDisputed =
        makeClickable(p.addPanel, QStringLiteral("透明标签5"), QStringLiteral("版权纠纷"), {108, 96, 52, 16});
    p.remarkCommercial =
        makeClickable(p.addPanel, QStringLiteral("透明标签6"), QStringLiteral("商业"), {169, 92, 32, 24});
    p.addButton = makeButton(p.addPanel, QStringLiteral("按钮5"), QStringLiteral("新增"), {136, 128, 40, 24});
    p.cancelButton = makeButton(p.addPanel, QStringLiteral("按钮7"), QStringLiteral("取消"), {192, 128, 40, 24});
    p.addPanel->hide();

    p.searchOneButton = makeButton(window, QStringLiteral("按钮6"), QString(), {0, 0, 0, 0});
    p.searchOneButton->setAccessibleName(QStringLiteral("搜索当前关键词"));
    p.searchOneButton->hide();
    return p;
}

} // namespace app
