// "删除已导出过的歌曲...": takes out of the song list every song whose code is in code lists or
// search files exported earlier, so that the exports give only the new songs.
#pragma once

#include <QObject>

#include <optional>

class QAction;
class QWidget;
namespace platform {
class Prompts;
} // namespace platform

namespace songs {

class BusyGate;
class QuitRequest;
class SongRemoval;
class SongTableModel;

class ExportedSongsRemoval : public QObject {
    Q_OBJECT
public:
    // Adds the entry (Ctrl+Shift+D) to the list's context menu and joins it to the gate. The files
    // are read on a worker while the window answers, with the gate held.
    ExportedSongsRemoval(SongTableModel &table, SongRemoval &removal, QWidget &list, platform::Prompts &prompts,
                         songs::BusyGate &busy, const songs::QuitRequest &quit, const QString &initialFolder,
                         QObject *parent = nullptr);

    // Asks for the earlier files, then, naming how many of how many, removes their songs.
    void RemoveExportedSongs();
    // The same for files already chosen.
    void removeSongsIn(const QStringList &paths);

private:
    struct Found;
    // The codes of the song list that the files hold, read on a worker; nothing once the program is ending.
    std::optional<Found> findWhileWindowAnswers(const QStringList &paths);

    SongTableModel &m_table;
    SongRemoval &m_removal;
    QWidget &m_list;
    platform::Prompts &m_prompts;
    songs::BusyGate &m_busy;
    const songs::QuitRequest &m_quit;
    QString m_folder; // where the dialog starts: the program folder, then the folder chosen last
    QAction *m_action = nullptr;
};

} // namespace songs
