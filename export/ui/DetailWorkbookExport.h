// The detail workbook export: the whole song table as an .xls workbook, every cell as text.
#pragma once

#include <QObject>
#include <QPointer>

#include <functional>
#include <optional>

class QWidget;
namespace platform { class BusyGate; class FileDialog; class Prompts; class QuitRequest; class Shell; }
namespace songs { class SongTableModel; }

namespace exporting {

class ExportProgressWindow;

class DetailWorkbookExport : public QObject {
    Q_OBJECT
public:
    DetailWorkbookExport(songs::SongTableModel &table, platform::FileDialog &sharedDialog, platform::Prompts &prompts,
                         platform::Shell &shell, platform::BusyGate &busy, const platform::QuitRequest &quit,
                         QWidget *window, QObject *parent = nullptr);

    // Asks for an .xls or .xlsx name with the shared dialog, writes the header and every song with the
    // progress window up, saves, reports and opens the file.
    void ExportDetailWorkbook();

Q_SIGNALS:
    // The progress window exists and the rows are about to be written (lets tests act mid-export).
    void rowsStarted();

private:
    // Every song into the book, then the book saved at path: empty on success, else why not; nothing
    // when the end of the program was asked for meanwhile.
    template <class Book>
    std::optional<QString> writeBook(Book &book, const QString &path, const QPointer<ExportProgressWindow> &progress);
    // Every song of the table through appendSong, the progress window following; false when the end
    // of the program was asked for meanwhile.
    bool appendSongs(const std::function<void(int)> &appendSong, const QPointer<ExportProgressWindow> &progress);

    songs::SongTableModel &m_table;
    platform::FileDialog &m_dialog;
    platform::Prompts &m_prompts;
    platform::Shell &m_shell;
    platform::BusyGate &m_busy;
    const platform::QuitRequest &m_quit;
    QWidget *m_window;
};

} // namespace exporting
