// A file dialog that keeps its settings between showings, as a form's dialog component does.
#pragma once

#include "platform/Prompts.h"

namespace platform {

class FileDialog {
public:
    using Mode = FileDialogSettings::Mode;

    explicit FileDialog(Prompts &prompts) : m_prompts(prompts) {}

    void setMode(Mode mode) { m_settings.mode = mode; }
    void setTitle(const QString &title) { m_settings.title = title; }
    void setFileName(const QString &name) { m_settings.fileName = name; }
    void setFilter(const QString &filter) { m_settings.filter = filter; }
    void setDefaultExtension(const QString &extension) { m_settings.defaultExtension = extension; }
    void setInitialFolder(const QString &folder) { m_settings.initialFolder = folder; }

    const FileDialogSettings &settings() const { return m_settings; }
    // After a confirmed showing: the chosen full path.
    QString fileName() const { return m_settings.fileName; }

    // Shows the dialog modally. True when the user confirmed; the chosen path then becomes the file
    // name, completed with the default extension when a saved name has none.
    bool show(QWidget *parent);

private:
    Prompts &m_prompts;
    FileDialogSettings m_settings;
};

} // namespace platform
