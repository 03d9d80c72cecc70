// The search-file import commands: from the open dialog or from a dropped file.
#pragma once

#include <QFile>
#include <QObject>
#include <QString>
#include <optional>

class QAction;
class QWidget;
namespace platform { class FileDialog; class Prompts; }

namespace songs {

class BusyGate;
class QuitRequest;
class SongTableModel;
struct ParsedSearchFile;

class SongImport : public QObject {
    Q_OBJECT
public:
    SongImport(SongTableModel &table, platform::FileDialog &dialog, platform::Prompts &prompts, songs::BusyGate &busy,
               const songs::QuitRequest &quit, QWidget *dialogParent, QObject *parent = nullptr);

    // Runs ImportSearchFile when command is triggered; the command joins the gate, so it is closed
    // while an export runs.
    void attach(QAction *command);
    // Asks for a search file with the shared open dialog and imports it.
    void ImportSearchFile();
    // Imports a file dropped on the song list, without a dialog, unless the gate is held.
    void ImportDroppedFile(const QString &path);
    // Reads the file and appends its song records to the table. A file that cannot be read, one too
    // big for the memory left, or one another program changes while it is read, is refused with a
    // message, and nothing changes. A file whose text a zero byte ends early is imported up to
    // there, and the user is told. The file is cut on every core while the window answers; the busy
    // gate stays shut meanwhile, and when the program is ended in the middle, nothing is imported.
    void LoadSearchFile(const QString &path);

Q_SIGNALS:
    // A file was read and its rows appended; lineCount counts every line, skipped ones included.
    void fileImported(qsizetype lineCount);

private:
    // The parsed file, or nothing when the program ended first. Throws std::bad_alloc.
    std::optional<ParsedSearchFile> parseWhileWindowAnswers(QFile &file);
    static QString zeroByteMessage(const QString &path, const ParsedSearchFile &parsed);
    void warn(const QString &text);

    SongTableModel &m_table;
    platform::FileDialog &m_dialog;
    platform::Prompts &m_prompts;
    songs::BusyGate &m_busy;
    const songs::QuitRequest &m_quit;
    QWidget *m_dialogParent;
};

} // namespace songs
