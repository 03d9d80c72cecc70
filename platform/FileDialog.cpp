// A file dialog that keeps its settings between showings.
#include "platform/FileDialog.h"

#include <QFileInfo>

namespace platform {

bool FileDialog::show(QWidget *parent)
{
    std::optional<QString> chosen = m_prompts.chooseFile(parent, m_settings);
    if (!chosen || chosen->isEmpty())
        return false;
    QString path = *chosen;
    if (m_settings.mode == Mode::Save && !m_settings.defaultExtension.isEmpty()
        && QFileInfo(path).suffix().isEmpty()) {
        if (!path.endsWith(u'.'))
            path += u'.';
        path += m_settings.defaultExtension;
    }
    m_settings.fileName = path;
    return true;
}

} // namespace platform
