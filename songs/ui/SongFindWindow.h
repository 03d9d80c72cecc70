// "查找歌曲...": a small window beside the main window that finds songs one after another by a
// piece of their name, singer or code, a written variant of it, or the pinyin initials of the name
// or singer (songs/SongFind.h); the result line says how a song was found. It is not modal; the song list stays usable.
#pragma once

#include <QDialog>

class QAbstractItemView;
class QAction;
class QLabel;
class QLineEdit;
namespace songs { class SongTableModel; }

namespace songs {

class SongFindWindow : public QDialog {
    Q_OBJECT
public:
    // Adds "查找歌曲..." (Ctrl+F), "查找下一个" (F3) and "查找上一个" (Shift+F3) to the list's context menu.
    SongFindWindow(const songs::SongTableModel &table, QAbstractItemView &list, QWidget *window);

    // Shows the window with its text selected, ready for typing.
    void showBar();
    void findNext() { find(true); }
    void findPrevious() { find(false); }

    QAction *openAction() const { return m_open; }

Q_SIGNALS:
    // The song to select and scroll to, as a keyword search hit is.
    void songFound(int row);

private:
    void find(bool forward);

    const songs::SongTableModel &m_table;
    QAbstractItemView &m_list;
    QLineEdit *m_text = nullptr;
    QLabel *m_result = nullptr;
    QAction *m_open = nullptr;
};

} // namespace songs
