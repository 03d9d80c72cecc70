// The real main window for keyword tests.
#include "tests/keywords/KeywordWindow.h"

#include "platform/ClickableLabel.h"
#include "songs/SongListView.h"

#include <QTest>

namespace testing_support {

KeywordWindow::KeywordWindow(const std::function<void(KeywordWindow &)> &prepare)
{
    list = t.find<QTreeView>(QStringLiteral("超级列表框1"));
    name = t.find<QLineEdit>(QStringLiteral("编辑框3"));
    remark = t.find<QLineEdit>(QStringLiteral("编辑框4"));
    if (prepare)
        prepare(*this);
    start();
}

KeywordWindow::KeywordWindow(const QList<LibraryRow> &rows)
    : KeywordWindow([&rows](KeywordWindow &w) { writeLibrary(w.library(), rows); })
{
}

QStringList KeywordWindow::names() const
{
    QStringList texts;
    for (int row = 0; row < list->model()->rowCount(); ++row)
        texts << list->model()->index(row, 0).data().toString();
    return texts;
}

QStringList KeywordWindow::remarks() const
{
    QStringList texts;
    for (int row = 0; row < list->model()->rowCount(); ++row)
        texts << list->model()->index(row, 1).data().toString();
    return texts;
}

QList<qint64> KeywordWindow::ids() const
{
    QList<qint64> ids;
    for (int row = 0; row < list->model()->rowCount(); ++row)
        ids << list->model()->index(row, 0).data(Qt::UserRole).toLongLong();
    return ids;
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
    auto *label = t.find<platform::ClickableLabel>(labelName);
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

void KeywordWindow::addSongs(const QStringList &names)
{
    songs::SongTableModel &table = t.window->songTable();
    for (const QString &song : names) {
        const int row = table.appendRow();
        table.setCell(row, 0, song);
    }
}

} // namespace testing_support
