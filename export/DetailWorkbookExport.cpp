// The detail workbook export.
#include "export/DetailWorkbookExport.h"

namespace exporting {

DetailWorkbookExport::DetailWorkbookExport(songs::SongTableModel &table, platform::FileDialog &sharedDialog,
                                           platform::Prompts &prompts, platform::Shell &shell, platform::BusyGate &busy, QWidget *window,
                                           QObject *parent)
    : QObject(parent), m_table(table), m_dialog(sharedDialog), m_prompts(prompts), m_shell(shell), m_busy(busy), m_window(window)
{
}

void DetailWorkbookExport::ExportDetailWorkbook()
{
    // Arrives with the detail workbook export.
}

} // namespace exporting
