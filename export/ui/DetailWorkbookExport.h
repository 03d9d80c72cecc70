// The detail workbook export: the whole song table as an .xls workbook, every cell as text.
#pragma once

#include "xls/WorkbookType.h"

#include <QObject>
#include <QPointer>


class QAction;
class QWidget;
namespace platform { class FileDialog; class Prompts; class Shell; }
namespace songs { class BusyGate; class QuitRequest; }
namespace songs { class SongTableModel; }

namespace exporting {

class ExportProgressWindow;
struct WorkbookSaveFailure;

// What the window says about a workbook that could not be saved at path.
QString workbookFailureMessage(const QString &path, const WorkbookSaveFailure &failure);

class DetailWorkbookExport : public QObject {
    Q_OBJECT
public:
    DetailWorkbookExport(songs::SongTableModel &table, platform::FileDialog &sharedDialog, platform::Prompts &prompts,
                         platform::Shell &shell, songs::BusyGate &busy, const songs::QuitRequest &quit,
                         QWidget *window, QObject *parent = nullptr);

    // Runs ExportDetailWorkbook when command is triggered; the command joins the gate, so it is
    // closed while an export or an import runs.
    void attach(QAction *command);
    // Asks for an .xls or .xlsx name with the shared dialog, writes the header and every song with the
    // progress window up, saves, reports and opens the file.
    void ExportDetailWorkbook();

Q_SIGNALS:
    // The progress window exists and the rows are about to be written (lets tests act mid-export).
    void rowsStarted();
    // Every row is in the workbook, which is about to be finished and saved.
    void savingStarted();

private:
    // Every song into a workbook of the type, then the workbook saved at path; false on a failure,
    // which failure then describes (Stopped when the end of the program was asked for meanwhile).
    bool writeBook(xls::WorkbookType type, const QString &path, const QPointer<ExportProgressWindow> &progress,
                   WorkbookSaveFailure &failure);

    songs::SongTableModel &m_table;
    platform::FileDialog &m_dialog;
    platform::Prompts &m_prompts;
    platform::Shell &m_shell;
    songs::BusyGate &m_busy;
    const songs::QuitRequest &m_quit;
    QWidget *m_window;
};

} // namespace exporting
