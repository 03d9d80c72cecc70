// Importing keywords from a text file and exporting the library to one, from the keyword list's
// context menu.
#pragma once

#include "keywords/ui/KeywordPanel.h"
#include "platform/FileDialog.h"

#include <QObject>
#include <QString>

class QAction;

namespace keywords { struct KeywordFileContent; }

namespace keywords {

class KeywordStore;

class KeywordFileCommands : public QObject {
    Q_OBJECT
public:
    // Adds "从文件导入关键词..." and "导出关键词到文件..." to the keyword list's context menu. Each has
    // a file dialog of its own, which starts in initialFolder and keeps the last file between uses.
    KeywordFileCommands(const KeywordPanel &panel, KeywordStore &store, platform::Prompts &prompts,
                        const QString &initialFolder, QObject *parent = nullptr);

    // Asks for a keyword file and adds its keywords that are not stored yet, all in one change.
    void ImportKeywordFile();
    // Asks for a file name and writes the keyword list to it, in list order.
    void ExportKeywordFile();
    // Adds the clipboard's text as if it were a keyword file: the same rules, one change, one message.
    void PasteKeywords();
    // Imports dropped keyword files one after another, as the menu entry would.
    void importDroppedFiles(const QStringList &paths);

private:
    void importFile(const QString &path);
    void exportFile(const QString &path);
    // The messages' words for where the keywords came from.
    struct Words {
        QString command;     // the entry's name
        QString what;        // what was read
        QString doneTitle;
        QString failedTitle;
    };
    // Stores what was read, all in one change, and says how it went; stored tells whether it was saved.
    void storeKeywords(const KeywordFileContent &content, const Words &words, bool &stored);
    void tellOutOfMemory(const Words &words, bool stored);
    bool refuseChanges();
    int tell(const QString &text, unsigned style, const QString &title = QString());

    KeywordPanel m_panel;
    KeywordStore &m_store;
    platform::Prompts &m_prompts;
    platform::FileDialog m_importDialog;
    platform::FileDialog m_exportDialog;
    QAction *m_importAction = nullptr;
    QAction *m_exportAction = nullptr;
    QAction *m_pasteAction = nullptr;
};

} // namespace keywords
