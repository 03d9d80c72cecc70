// The main window as it opens: title, size, every control at its place and in its start state, and
// named for screen readers.
#include "app/HelpWindow.h"
#include "export/ui/ExportProgressWindow.h"
#include "tests/support/TestWindow.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>
#include <gtest/gtest.h>

using testing_support::TestWindow;

TEST(MainWindowLayout, TitleAndFixedClientArea)
{
    TestWindow t;
    EXPECT_EQ(t.window->windowTitle(), QStringLiteral("Korvia8位编码导出工具V" KORVIA_VERSION_SHORT));
    EXPECT_EQ(t.window->minimumSize(), t.window->maximumSize()) << "the frame is not resizable";
    EXPECT_GE(t.window->width(), 1020);
    EXPECT_GE(t.window->height(), 488);
    EXPECT_FALSE(t.window->windowIcon().isNull());
}

TEST(MainWindowLayout, ControlsSitAtTheirPlacesInTheirStartState)
{
    TestWindow t;
    struct Expected {
        const char16_t *name;
        QRect place;
        bool visible;
    };
    const Expected controls[] = {
        {u"超级列表框_主窗口", {2, 64, 838, 399}, true},  {u"透明标签2", {6, 460, 408, 24}, true},
        {u"画板1", {600, 3, 252, 57}, true},             {u"透明标签1", {584, -2, 264, 72}, true},
        {u"按钮4", {856, 5, 56, 48}, true},              {u"标签5", {916, 18, 104, 32}, true},
        {u"透明标签3", {907, 62, 40, 16}, true},         {u"按钮8", {952, 63, 56, 16}, true},
        {u"分组框2", {842, 64, 174, 424}, true},         {u"超级列表框1", {4, 16, 166, 400}, true},
        {u"标签2", {720, 448, 120, 16}, false},          {u"分组框3", {336, 168, 256, 160}, false},
        {u"编辑框3", {65, 32, 136, 24}, false},          {u"按钮5", {136, 128, 40, 24}, false},
        {u"分组框1", {224, 104, 448, 296}, false},       {u"标签1", {11, 17, 221, 16}, false},
        {u"按钮3", {392, 11, 48, 24}, false},            {u"编辑框1", {227, 112, 141, 155}, false},
        {u"编辑框2", {233, 143, 429, 248}, false},
    };
    for (const Expected &expected : controls) {
        const QString name = QString::fromUtf16(expected.name);
        auto *widget = t.find<QWidget>(name);
        ASSERT_NE(widget, nullptr) << name.toStdString();
        EXPECT_EQ(widget->geometry(), expected.place) << name.toStdString();
        EXPECT_EQ(widget->isVisible(), expected.visible) << name.toStdString();
        EXPECT_EQ(widget->accessibleDescription(), name) << name.toStdString();
    }
    EXPECT_EQ(t.find<QLabel>(QStringLiteral("透明标签2"))->text(), QStringLiteral("消息：无"));
    EXPECT_EQ(t.find<QGroupBox>(QStringLiteral("分组框1"))->title(), QStringLiteral(" 导出8位编码 "));
    EXPECT_EQ(t.find<QGroupBox>(QStringLiteral("分组框3"))->title(), QStringLiteral(" 增加关键 "));
    for (const char16_t *hidden : {u"按钮1", u"按钮2", u"按钮6"}) {
        auto *button = t.find<QPushButton>(QString::fromUtf16(hidden));
        ASSERT_NE(button, nullptr);
        EXPECT_FALSE(button->isVisible());
        EXPECT_TRUE(button->text().isEmpty());
    }
}

TEST(MainWindowLayout, SongListHasNineColumnsWithAHiddenCodeColumn)
{
    TestWindow t;
    auto *list = t.find<QTreeView>(QStringLiteral("超级列表框_主窗口"));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->accessibleName(), QStringLiteral("歌曲列表"));
    const QStringList captions = {QStringLiteral("歌曲名字"), QStringLiteral("歌手名字"), QStringLiteral("歌曲语种"),
                                  QStringLiteral("歌曲类别"), QStringLiteral("音量衰减"), QStringLiteral("歌曲文件"),
                                  QStringLiteral("质量"),     QStringLiteral("版本"),     QStringLiteral("歌曲编码")};
    const int widths[] = {200, 150, 80, 100, 100, 100, 40, 60, 0};
    ASSERT_EQ(list->model()->columnCount(), 9);
    EXPECT_EQ(list->model()->rowCount(), 0);
    for (int column = 0; column < 9; ++column) {
        EXPECT_EQ(list->model()->headerData(column, Qt::Horizontal).toString(), captions[column]);
        EXPECT_EQ(list->header()->sectionSize(column), widths[column]) << column;
    }
    EXPECT_EQ(list->selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_EQ(list->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_FALSE(list->isSortingEnabled());
}

namespace {
// Parts Qt builds inside a control (a list's header, viewport and scroll bars, the toolbar's
// overflow button) are announced as part of that control; a window of its own (a menu) is not a
// control of this one.
bool isPartOfAControl(const QWidget *widget, const QWidget *window)
{
    if (widget->objectName().startsWith(u"qt_") || (widget != window && widget->isWindow()))
        return true;
    for (const QWidget *p = widget->parentWidget(); p && p != window; p = p->parentWidget()) {
        if (qobject_cast<const QAbstractScrollArea *>(p))
            return true;
    }
    return false;
}

QString captionOf(const QWidget *widget)
{
    if (widget->isWindow())
        return widget->windowTitle();
    if (auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    if (auto *frame = qobject_cast<const QGroupBox *>(widget))
        return frame->title();
    return {};
}

// A screen reader announces every control by a name a person understands: its caption, or a plain
// name where it has none, never the form name; the form name stays its description for automation.
void expectEveryControlNamedForPeople(QWidget *window)
{
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window);
    int controls = 0;
    for (QWidget *widget : widgets) {
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
        ASSERT_NE(accessible, nullptr);
        if (isPartOfAControl(widget, window))
            continue;
        ++controls;
        const QString name = accessible->text(QAccessible::Name);
        const std::string control = widget->objectName().toStdString() + " (" + widget->metaObject()->className() + ")";
        EXPECT_FALSE(widget->objectName().isEmpty()) << control;
        EXPECT_EQ(widget->accessibleDescription(), widget->objectName()) << control;
        EXPECT_FALSE(name.trimmed().isEmpty()) << control;
        EXPECT_TRUE(name != widget->objectName() || name == captionOf(widget))
            << control << " is announced by its form name";
    }
    EXPECT_GT(controls, 1);
}
} // namespace

TEST(MainWindowLayout, EveryControlHasANamePeopleUnderstand)
{
    TestWindow t;
    expectEveryControlNamedForPeople(t.window.get());
    // Qt's overflow button of the toolbar is in the tree even while hidden.
    auto *more = t.window->findChild<QWidget *>(QStringLiteral("qt_toolbar_ext_button"));
    ASSERT_NE(more, nullptr);
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(more)->text(QAccessible::Name).isEmpty());

    testing_support::RecordingShell shell;
    app::HelpWindow help(QStringLiteral("http://127.0.0.1:9"), QString(), shell);
    expectEveryControlNamedForPeople(&help);
    exporting::ExportProgressWindow progress(nullptr);
    expectEveryControlNamedForPeople(&progress);
}
