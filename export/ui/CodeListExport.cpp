// The code list export.
#include "export/ui/CodeListExport.h"

#include "export/CodeListFile.h"
#include "ui/widgets/Accessibility.h"
#include "ui/texts/FileMessages.h"
#include "songs/QuitRequest.h"
#include "songs/ui/BusyGate.h"
#include "platform/Events.h"
#include "platform/FileDialog.h"
#include "platform/Prompts.h"
#include "ui/widgets/ReadOnlyTextBox.h"
#include "songs/SongColumns.h"
#include "songs/SongTableModel.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <new>

namespace exporting {

namespace {

ui::ReadOnlyTextBox *makeReadOnlyBox(QWidget *parent, const QString &name, const QString &plainName)
{
    auto *box = new ui::ReadOnlyTextBox(parent);
    ui::nameControl(box, name, plainName);
    return box;
}

} // namespace

CodeListPanel buildCodeListPanel(QWidget *window)
{
    CodeListPanel panel;
    panel.frame = new QGroupBox(QStringLiteral(" 导出8位编码 "), window);
    // The panel lies over the song list when shown; it must hide the rows beneath it.
    panel.frame->setAutoFillBackground(true);
    ui::nameControl(panel.frame, QStringLiteral("分组框1"));
    panel.frame->setGeometry(224, 104, 448, 296);

    panel.progress = new QLabel(QStringLiteral("操作进程："), panel.frame);
    ui::nameControl(panel.progress, QStringLiteral("标签1"));
    panel.progress->setGeometry(11, 17, 221, 16);
    panel.progress->setStyleSheet(QStringLiteral("color: #FF00FF;"));

    panel.codes = makeReadOnlyBox(panel.frame, QStringLiteral("编辑框1"), QStringLiteral("编码列表"));
    panel.codes->setGeometry(227, 112, 141, 155);

    panel.close = new QPushButton(QStringLiteral("确定"), panel.frame);
    ui::nameControl(panel.close, QStringLiteral("按钮3"));
    panel.close->setGeometry(392, 11, 48, 24);

    panel.log = makeReadOnlyBox(window, QStringLiteral("编辑框2"), QStringLiteral("导出记录"));
    panel.log->setGeometry(233, 143, 429, 248);

    panel.frame->hide();
    panel.log->hide();
    return panel;
}

CodeListExport::CodeListExport(const CodeListPanel &panel, songs::SongTableModel &table, platform::Prompts &prompts,
                               songs::BusyGate &busy, const songs::QuitRequest &quit, QWidget *dialogParent,
                               QObject *parent)
    : QObject(parent), m_panel(panel), m_table(table), m_prompts(prompts), m_busy(busy), m_quit(quit),
      m_dialogParent(dialogParent), m_dialog(prompts)
{
    m_dialog.setMode(platform::FileDialog::Mode::Save);
    m_dialog.setTitle(QStringLiteral("编码导出"));
    m_dialog.setFilter(QStringLiteral("*.txt|*.txt"));
    m_dialog.setDefaultExtension(QStringLiteral("txt"));
    connect(m_panel.close, &QPushButton::clicked, this, &CodeListExport::hidePanel);
}

QString CodeListExport::progressCaption(int count, int done)
{
    return QStringLiteral("操作进程： 共有%1个/已经完成%2").arg(count).arg(done);
}

QString CodeListExport::finishedCaption(int count)
{
    return QStringLiteral("操作进程： 共有%1全部操作完毕").arg(count);
}

void CodeListExport::showPanel()
{
    m_panel.frame->show();
    m_panel.log->show();
}

void CodeListExport::hidePanel()
{
    m_panel.frame->hide();
    m_panel.log->hide();
}

void CodeListExport::attach(QAction *command)
{
    connect(command, &QAction::triggered, this, &CodeListExport::ExportCodeList);
    m_busy.addCommand(command);
}

void CodeListExport::ExportCodeList()
{
    if (!m_dialog.show(m_dialogParent)) {
        hidePanel();
        return;
    }
    QString failure;
    {
        const songs::BusyGate::Hold hold(m_busy);
        showPanel();
        m_panel.codes->clear();
        m_panel.log->clear();
        const QString path = m_dialog.fileName();
        const int count = m_table.songCount();
        try {
            if (!listSongs(count))
                return; // the program is ending: no file is written
            if (count == 0) {
                m_panel.log->setPlainText(QStringLiteral("导出失败，请检查搜歌文件是否为8位编码"));
                return;
            }
            failure = writeFile(path, count);
        } catch (const std::bad_alloc &) {
            // The panel's lists go first: they hold most of the memory.
            m_panel.codes->clear();
            failure = showFailure(path, count, ui::outOfMemoryReason());
        }
    }
    if (!failure.isEmpty())
        m_prompts.messageBox(m_dialogParent, failure, platform::mb::Ok | platform::mb::IconWarning,
                             QStringLiteral("编码导出"));
}

bool CodeListExport::listSongs(int count)
{
    ui::ReadOnlyTextBox &codes = *m_panel.codes;
    ui::ReadOnlyTextBox &log = *m_panel.log;
    codes.reserve(qsizetype(count) * 10);
    // The rows never wait: the panel repaints, with the caption brought up to date, whenever a few
    // milliseconds of rows have gone by. The caption is set only then (and at the last row) because
    // setting it for every row would cost more than the rows themselves.
    platform::EventPump events([this] { return m_quit.isRequested(); });
    for (int i = 1; i <= count; ++i) {
        const QStringView code = m_table.cellView(i - 1, songs::kCodeColumn);
        const QStringView name = m_table.cellView(i - 1, songs::kNameColumn);
        codes.appendLine(code);
        log.appendText(u"歌名为（");
        log.appendText(name);
        log.appendText(u"）的编码（");
        log.appendText(code);
        log.appendText(u"）已经成功导出\r\n");
        if (i == count) {
            m_panel.progress->setText(finishedCaption(count));
        } else if (events.due()) {
            m_panel.progress->setText(progressCaption(count, i));
            if (!events.process())
                return false;
        }
    }
    return true;
}

QString CodeListExport::writeFile(const QString &path, int count)
{
    CodeListFile file;
    if (file.save(path, codeListText(m_table, count)))
        return {};
    return showFailure(path, count, ui::fileFailureReason(file.failure()));
}

QString CodeListExport::showFailure(const QString &path, int count, const QString &reason)
{
    // The log's lines say every song was exported; they would now be untrue.
    const QString failure = ui::writeFailureMessage(path, reason);
    m_panel.log->setPlainText(failure);
    m_panel.progress->setText(QStringLiteral("操作进程： 共有%1个/导出失败").arg(count));
    return failure;
}

} // namespace exporting
