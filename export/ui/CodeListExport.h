// The code list export: every song code to a GBK text file, one per CR LF line, with its panel.
#pragma once

#include "platform/FileDialog.h"
#include "ui/widgets/ReadOnlyTextBox.h"

#include <QObject>

class QAction;
class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;
namespace platform { class Prompts; }
namespace songs { class BusyGate; class QuitRequest; }
namespace songs { class SongTableModel; }

namespace exporting {

// The export panel: 分组框1 with its progress caption, code box and close button, and the log
// box that sits over it without being its child.
struct CodeListPanel {
    QGroupBox *frame = nullptr;                 // 分组框1
    QLabel *progress = nullptr;                 // 标签1
    ui::ReadOnlyTextBox *codes = nullptr; // 编辑框1
    QPushButton *close = nullptr;               // 按钮3
    ui::ReadOnlyTextBox *log = nullptr;   // 编辑框2
};

// Creates the hidden panel on the main window at its place.
CodeListPanel buildCodeListPanel(QWidget *window);

class CodeListExport : public QObject {
    Q_OBJECT
public:
    CodeListExport(const CodeListPanel &panel, songs::SongTableModel &table, platform::Prompts &prompts,
                   songs::BusyGate &busy, const songs::QuitRequest &quit, QWidget *dialogParent,
                   QObject *parent = nullptr);

    // Runs ExportCodeList when command is triggered; the command joins the gate, so it is closed
    // while an export or an import runs.
    void attach(QAction *command);
    // Asks for a .txt file, lists every song's code and a log line in the panel, and writes the
    // codes to the file, one per CR LF line.
    void ExportCodeList();
    void hidePanel();

    platform::FileDialog &dialog() { return m_dialog; } // 通用对话框_公用1

    static QString progressCaption(int count, int done);
    static QString finishedCaption(int count);

private:
    void showPanel();
    // False when the end of the program was asked for meanwhile.
    bool listSongs(int count);
    // Writes the file; on failure the panel says so and the returned text tells the user why.
    QString writeFile(const QString &path, int count);
    // The panel says the export failed, and why; returns the message for the user.
    QString showFailure(const QString &path, int count, const QString &reason);

    CodeListPanel m_panel;
    songs::SongTableModel &m_table;
    platform::Prompts &m_prompts;
    songs::BusyGate &m_busy;
    const songs::QuitRequest &m_quit;
    QWidget *m_dialogParent;
    platform::FileDialog m_dialog;
};

} // namespace exporting
