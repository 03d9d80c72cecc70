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
    // The file type selected when the dialog opens, counted from 0 in the filter.
    void setFilterIndex(int index) { m_settings.filterIndex = index; }

    const FileDialogSettings &settings() const { return m_settings; }
    // After a confirmed showing: the chosen full path.
    QString fileName() const { return m_settings.fileName; }
    // After a confirmed showing: the file type chosen in it.
    int filterIndex() const { return m_settings.filterIndex; }

    // Shows the dialog modally. True when the user confirmed; the chosen path then becomes the file
    // name, completed with the chosen type's extension (else the default one) when a saved name has
    // none; a saved name loses the spaces and dots that end it, as Windows stores it. A completed name that is an existing file is confirmed with the dialog's own question;
    // "No" shows the dialog again.
    bool show(QWidget *parent);

private:
    QString completedName(const QString &chosen) const;
    bool confirmReplace(QWidget *parent, const QString &path);

    Prompts &m_prompts;
    FileDialogSettings m_settings;
};

} // namespace platform
