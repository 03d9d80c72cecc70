// The real main window for keyword tests.
#include "tests/keywords/KeywordWindow.h"

#include "ui/widgets/ClickableLabel.h"
#include "songs/ui/SongListView.h"
#include "tests/support/SearchRecord.h"

#include <QTest>

namespace testing_support {

KeywordWindow::KeywordWindow(const std::function<void(KeywordWindow &)> &prepare, bool startNow)
{
    list = t.find<QTreeView>(QStringLiteral("超级列表框1"));
    name = t.find<QLineEdit>(QStringLiteral("编辑框3"));
    remark = t.find<QLineEdit>(QStringLiteral("编辑框4"));
    if (prepare)
        prepare(*this);
    if (startNow)
        start();
}

KeywordWindow::KeywordWindow(const QList<LibraryRow> &rows)
    : KeywordWindow([&rows](KeywordWindow &w) { writeLibrary(w.library(), rows); })
{
}

namespace {
// The texts (or item data) of one column of the keyword list, top to bottom.
template<typename T> QList<T> columnOf(const QTreeView *list, int column, int role = Qt::DisplayRole)
{
    QList<T> values;
    for (int row = 0; row < list->model()->rowCount(); ++row)
        values << list->model()->index(row, column).data(role).value<T>();
    return values;
}
} // namespace

QStringList KeywordWindow::names() const { return columnOf<QString>(list, 0); }
QStringList KeywordWindow::remarks() const { return columnOf<QString>(list, 1); }
QList<qint64> KeywordWindow::ids() const { return columnOf<qint64>(list, 0, Qt::UserRole); }

Message KeywordWindow::message(int i) const
{
    return t.prompts.messages.value(i);
}

int KeywordWindow::selectedKeyword() const
{
    const QModelIndexList rows = list->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void KeywordWindow::selectKeyword(int row)
{
    const QModelIndex index = list->model()->index(row, 0);
    list->scrollTo(index);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
}

int KeywordWindow::selectedSong() const
{
    const QModelIndexList rows = t.window->songList().selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void KeywordWindow::press(const QString &labelName)
{
    auto *label = t.find<ui::ClickableLabel>(labelName);
    QTest::mousePress(label, Qt::LeftButton, {}, label->rect().center());
    QTest::mouseRelease(label, Qt::LeftButton, {}, label->rect().center());
}

void KeywordWindow::click(const QString &buttonName)
{
    auto *button = t.find<QPushButton>(buttonName);
    if (button->isVisible())
        QTest::mouseClick(button, Qt::LeftButton);
    else
        button->click(); // 按钮6 is never shown; only the program presses it
}

void KeywordWindow::addKeyword(const QString &keyword, const QString &note)
{
    press(QStringLiteral("透明标签3"));
    name->setText(keyword);
    remark->setText(note);
    click(QStringLiteral("按钮5"));
}

void KeywordWindow::addSongs(const QStringList &names)
{
    QList<QStringList> rows;
    for (const QString &name : names)
        rows.append(QStringList{name});
    addSongRows(rows);
}

void KeywordWindow::addSongRows(const QList<QStringList> &rows)
{
    t.window->songList().fileDropped(t.writeFile(QStringLiteral("songs.txt"), gbk(testing_support::searchFileText(rows))));
}

} // namespace testing_support
