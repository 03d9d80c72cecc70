// The detail workbook export: the whole song table as an .xls workbook, every cell as text.
#pragma once

#include <QObject>

class QWidget;
namespace platform { class BusyGate; class FileDialog; class Prompts; class Shell; }
namespace songs { class SongTableModel; }

namespace exporting {

class DetailWorkbookExport : public QObject {
    Q_OBJECT
public:
    DetailWorkbookExport(songs::SongTableModel &table, platform::FileDialog &sharedDialog, platform::Prompts &prompts,
                         platform::Shell &shell, platform::BusyGate &busy, QWidget *window, QObject *parent = nullptr);

    void ExportDetailWorkbook();

private:
    songs::SongTableModel &m_table;
    platform::FileDialog &m_dialog;
    platform::Prompts &m_prompts;
    platform::Shell &m_shell;
    platform::BusyGate &m_busy;
    QWidget *m_window;
};

} // namespace exporting
