// Adding and deleting keywords from the add panel and "删除选中": each change one transaction,
// committed or rolled back before its message, then the keyword list loaded again.
#pragma once

#include "keywords/ui/KeywordPanel.h"

#include <QObject>
#include <QString>

namespace platform { class Prompts; }

namespace keywords {

class KeywordStore;

class KeywordEditing : public QObject {
    Q_OBJECT
public:
    // Wires the add panel, its quick remarks and "删除选中" to the store.
    KeywordEditing(const KeywordPanel &panel, KeywordStore &store, platform::Prompts &prompts,
                   QObject *parent = nullptr);

private:
    void connectControls();
    void validateAndAddKeyword();
    void confirmAndDeleteKeyword();
    // Adds the keyword of 编辑框3 with the remark of 编辑框4, unless it is stored already.
    void AddKeyword();
    // Deletes the keyword selected in the keyword list.
    void DeleteSelectedKeyword();
    // Tells the user why the library cannot be changed, if it cannot.
    bool refuseChanges();
    int selectedKeywordRow() const;
    int tell(const QString &text, unsigned style, const QString &title = QString());

    KeywordPanel m_panel;
    KeywordStore &m_store;
    platform::Prompts &m_prompts;
};

} // namespace keywords
