// "删除已导出过的歌曲...": takes out of the song list every song whose code is in code lists or
// search files exported earlier, so that the exports give only the new songs.
#pragma once

#include <QObject>

class QAction;
class QWidget;
namespace platform { class Prompts; }

namespace songs {

class SongRemoval;
class SongTableModel;

class ExportedSongsRemoval : public QObject {
    Q_OBJECT
public:
    // Adds the entry (Ctrl+Shift+D) to the list's context menu.
    ExportedSongsRemoval(SongTableModel &table, SongRemoval &removal, QWidget &list, platform::Prompts &prompts,
                         const QString &initialFolder, QObject *parent = nullptr);

    // Asks for the earlier files, then, naming how many of how many, removes their songs.
    void RemoveExportedSongs();
    // The same for files already chosen.
    void removeSongsIn(const QStringList &paths);

    QAction *action() const { return m_action; }

private:
    SongTableModel &m_table;
    SongRemoval &m_removal;
    QWidget &m_list;
    platform::Prompts &m_prompts;
    QString m_folder; // where the dialog starts: the program folder, then the folder chosen last
    QAction *m_action = nullptr;
};

} // namespace songs
