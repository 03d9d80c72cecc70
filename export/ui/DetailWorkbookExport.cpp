// The detail workbook export.
#include "export/ui/DetailWorkbookExport.h"

#include "export/DetailWorkbook.h"
#include "export/ui/ExportProgressWindow.h"
#include "songs/QuitRequest.h"
#include "songs/ui/BusyGate.h"
#include "platform/Events.h"
#include "platform/FileDialog.h"
#include "ui/texts/FileMessages.h"
#include "platform/Prompts.h"
#include "platform/Shell.h"
#include "songs/SongTableModel.h"
#include "xls/WorkbookType.h"

#include <QAction>
#include <QPointer>
#include <QProgressBar>

#include <new>

namespace exporting {

DetailWorkbookExport::DetailWorkbookExport(songs::SongTableModel &table, platform::FileDialog &sharedDialog,
                                           platform::Prompts &prompts, platform::Shell &shell,
                                           songs::BusyGate &busy, const songs::QuitRequest &quit, QWidget *window,
                                           QObject *parent)
    : QObject(parent), m_table(table), m_dialog(sharedDialog), m_prompts(prompts), m_shell(shell), m_busy(busy),
      m_quit(quit), m_window(window)
{
}

void DetailWorkbookExport::attach(QAction *command)
{
    connect(command, &QAction::triggered, this, &DetailWorkbookExport::ExportDetailWorkbook);
    m_busy.addCommand(command);
}

void DetailWorkbookExport::ExportDetailWorkbook()
{
    m_dialog.setMode(platform::FileDialog::Mode::Save);
    m_dialog.setTitle(QString());
    m_dialog.setFileName(QStringLiteral("导出XLS格式"));
    m_dialog.setFilter(xls::workbookFilter());
    m_dialog.setFilterIndex(0);
    m_dialog.setDefaultExtension(QStringLiteral("xls"));
    if (!m_dialog.show(m_window))
        return;
    const QString path = m_dialog.fileName();
    const songs::BusyGate::Hold busy(m_busy);

    QPointer<ExportProgressWindow> progress = new ExportProgressWindow(m_window);
    progress->show();

    WorkbookSaveFailure failure;
    bool saved = false;
    try {
        saved = writeBook(xls::workbookTypeFor(path, m_dialog.filterIndex()), path, progress, failure);
    } catch (const std::bad_alloc &) {
        failure.kind = WorkbookSaveFailure::Kind::OutOfMemory; // the workbook's memory is given back by now
    }
    delete progress.data();
    if (failure.kind == WorkbookSaveFailure::Kind::Stopped)
        return; // the program is ending: nothing is saved, reported or opened

    if (!saved) {
        m_prompts.messageBox(m_window, workbookFailureMessage(path, failure),
                             platform::mb::Ok | platform::mb::IconWarning, QString());
        return;
    }
    m_prompts.messageBox(m_window, QStringLiteral("导出成功!"), platform::mb::Ok | platform::mb::IconInformation,
                         QString());
    m_shell.openDocument(path);
}

bool DetailWorkbookExport::writeBook(xls::WorkbookType type, const QString &path,
                                     const QPointer<ExportProgressWindow> &progress, WorkbookSaveFailure &failure)
{
    DetailWorkbook book(type);
    const int songCount = m_table.songCount();
    progress->bar()->setMaximum(songCount);
    Q_EMIT rowsStarted();
    // Events are handled, and the bar moved on, once a few milliseconds of rows have been written
    // rather than after every row: handling events and measuring the bar's text cost more than
    // writing the row, so a 300,000-song export takes about a second instead of many, while both
    // windows stay just as painted and responsive.
    platform::EventPump events([this] { return m_quit.isRequested(); });
    int position = 0;
    const auto showPosition = [&] {
        if (progress)
            progress->bar()->setValue(position);
    };
    for (int song = 0; song < songCount; ++song) {
        if (events.due()) {
            showPosition();
            if (!events.process()) {
                failure.kind = WorkbookSaveFailure::Kind::Stopped;
                return false;
            }
        }
        if (!book.appendSong(m_table, song))
            break;  // the save says why
        ++position;
    }
    showPosition();
    delete progress.data();
    Q_EMIT savingStarted();
    // The window keeps answering while the file is finished, so that closing it ends the program
    // there too, the older file kept.
    const bool saved = book.save(path, [&events] { return events.tick(); });
    failure = book.failure();
    return saved;
}

QString workbookFailureMessage(const QString &path, const WorkbookSaveFailure &failure)
{
    switch (failure.kind) {
    case WorkbookSaveFailure::Kind::TemporaryFolder:
        return ui::temporaryFolderFailureMessage(failure.folder, platform::writeFailure(failure.folderFull, failure.reason));
    case WorkbookSaveFailure::Kind::OutOfMemory:
        return ui::writeFailureMessage(path, ui::outOfMemoryReason());
    case WorkbookSaveFailure::Kind::Workbook:
        return ui::writeFailureMessage(path, platform::writeFailure(false, failure.reason));
    default:
        return ui::writeFailureMessage(path, failure.file);
    }
}

} // namespace exporting
