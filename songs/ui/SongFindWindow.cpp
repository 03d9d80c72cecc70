// The find window of the song list.
#include "songs/ui/SongFindWindow.h"

#include "songs/SongFind.h"
#include "songs/SongTableModel.h"
#include "ui/widgets/Accessibility.h"
#include "ui/widgets/Commands.h"

#include <QAbstractItemView>
#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace songs {

SongFindWindow::SongFindWindow(const songs::SongTableModel &table, QAbstractItemView &list, QWidget *window)
    : QDialog(window, Qt::Tool), m_table(table), m_list(list)
{
    ui::nameControl(this, QStringLiteral("窗口_查找歌曲"), QStringLiteral("查找歌曲"));
    setWindowTitle(QStringLiteral("查找歌曲"));
    setModal(false);

    auto *caption = new QLabel(QStringLiteral("歌曲名、歌手或编码中含有："), this);
    ui::nameControl(caption, QStringLiteral("标签_查找内容"));
    m_text = new QLineEdit(this);
    ui::nameControl(m_text, QStringLiteral("编辑框_查找内容"), QStringLiteral("查找内容"));
    caption->setBuddy(m_text);
    auto *next = new QPushButton(QStringLiteral("查找下一个"), this);
    ui::nameControl(next, QStringLiteral("按钮_查找下一个"));
    auto *previous = new QPushButton(QStringLiteral("查找上一个"), this);
    ui::nameControl(previous, QStringLiteral("按钮_查找上一个"));
    // Enter belongs to the text box; no button takes it as the default.
    next->setAutoDefault(false);
    previous->setAutoDefault(false);
    m_result = new QLabel(this);
    ui::nameControl(m_result, QStringLiteral("标签_查找结果"), QStringLiteral("查找结果"));
    m_result->setMinimumWidth(320);
    // A wrap-around, a long name and how it was found make a long line: it wraps onto a second one.
    m_result->setWordWrap(true);
    m_result->setMinimumHeight(2 * m_result->fontMetrics().lineSpacing());

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(next);
    buttons->addWidget(previous);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(m_text);
    layout->addLayout(buttons);
    layout->addWidget(m_result);

    m_open =
        ui::addCommand(&list, {QStringLiteral("菜单项_查找歌曲"), QStringLiteral("查找歌曲..."), {QKeySequence::Find}});
    QAction *findNextEntry = ui::addCommand(
        &list, {QStringLiteral("菜单项_查找下一个"), QStringLiteral("查找下一个"), {QKeySequence(Qt::Key_F3)}});
    QAction *findPreviousEntry = ui::addCommand(
        &list,
        {QStringLiteral("菜单项_查找上一个"), QStringLiteral("查找上一个"), {QKeySequence(Qt::SHIFT | Qt::Key_F3)}});
    // F3 and Shift+F3 work in this window too.
    addAction(findNextEntry);
    addAction(findPreviousEntry);

    connect(m_open, &QAction::triggered, this, &SongFindWindow::showBar);
    connect(findNextEntry, &QAction::triggered, this, &SongFindWindow::findNext);
    connect(findPreviousEntry, &QAction::triggered, this, &SongFindWindow::findPrevious);
    connect(m_text, &QLineEdit::returnPressed, this, &SongFindWindow::findNext);
    // A pasted spreadsheet cell ends in a line break, which no song holds: it is dropped as it comes.
    connect(m_text, &QLineEdit::textChanged, this, [this](const QString &text) {
        const QString kept = withoutLineBreaks(text);
        if (kept.size() != text.size())
            m_text->setText(kept);
    });
    connect(next, &QPushButton::clicked, this, &SongFindWindow::findNext);
    connect(previous, &QPushButton::clicked, this, &SongFindWindow::findPrevious);
}

void SongFindWindow::showBar()
{
    show();
    raise();
    activateWindow();
    m_text->setFocus();
    m_text->selectAll();
}

void SongFindWindow::find(bool forward)
{
    const QString text = withoutLineBreaks(m_text->text());
    if (text.isEmpty()) {
        if (!isVisible())
            showBar();
        m_result->setText(QStringLiteral("请先输入要查找的文字（歌曲名、歌手或编码的一部分）。"));
        return;
    }
    const FoundSong found = findSong(m_table, text, m_list.currentIndex().row(), forward);
    if (found.row < 0) {
        m_result->setText(QStringLiteral("找不到"));
        return;
    }
    QString said = QStringLiteral("找到第%1首：%2").arg(found.row + 1).arg(m_table.cellText(found.row, songs::kNameColumn));
    if (found.by == FoundBy::Variant)
        said += QStringLiteral("（按繁简写法）");
    else if (found.by == FoundBy::Initials)
        said += QStringLiteral("（按拼音首字母）");
    if (found.wrapped)
        said.prepend(forward ? QStringLiteral("已到最后一首，从第一首起继续查找。")
                             : QStringLiteral("已到第一首，从最后一首起继续查找。"));
    m_result->setText(said);
    Q_EMIT songFound(found.row);
}

} // namespace songs
