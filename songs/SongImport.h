// The search-file import commands: from the open dialog or from a dropped file.
#pragma once

#include <QString>

class QLabel;
class QWidget;
namespace platform { class FileDialog; class Prompts; }

namespace songs {

class SongTableModel;

class SongImport {
public:
    SongImport(SongTableModel &table, platform::FileDialog &dialog, platform::Prompts &prompts, QLabel &statusLine,
               QWidget *dialogParent);

    // Asks for a search file with the shared open dialog and imports it.
    void ImportSearchFile();
    // Imports a file dropped on the song list, without a dialog.
    void ImportDroppedFile(const QString &path);
    // Reads the file and appends its song records to the table; the status line counts its lines.
    // A file too big for the memory left is refused with a message, and nothing changes.
    void LoadSearchFile(const QString &path);

    static QString statusText(qsizetype lineCount);

private:
    SongTableModel &m_table;
    platform::FileDialog &m_dialog;
    platform::Prompts &m_prompts;
    QLabel &m_statusLine;
    QWidget *m_dialogParent;
};

} // namespace songs
