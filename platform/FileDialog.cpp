// A file dialog that keeps its settings between showings.
#include "platform/FileDialog.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace platform {

bool FileDialog::show(QWidget *parent)
{
    for (;;) {
        const std::optional<FileChoice> chosen = m_prompts.chooseFile(parent, m_settings);
        if (!chosen || chosen->path.isEmpty())
            return false;
        m_settings.filterIndex = chosen->filterIndex;
        const QString path = completedName(chosen->path);
        // The dialog asked about the name it gave; a name completed here may be another file.
        if (path != chosen->path && QFileInfo::exists(path) && !confirmReplace(parent, path)) {
            m_settings.fileName = chosen->path;  // back in the dialog, as its own "No" does
            continue;
        }
        m_settings.fileName = path;
        return true;
    }
}

namespace {

// The name as Windows stores it: without the spaces and dots that end it. The program decides on this
// name everywhere, so that the type and the replace question follow the file that is written.
QString storedName(const QString &chosen)
{
    qsizetype end = chosen.size();
    while (end > 0 && (chosen[end - 1] == u' ' || chosen[end - 1] == u'.'))
        --end;
    const bool nameLeft = end > 0 && chosen[end - 1] != u'/' && chosen[end - 1] != u'\\';
    return nameLeft ? chosen.left(end) : chosen;
}

} // namespace

QString FileDialog::completedName(const QString &typed) const
{
    if (m_settings.mode != Mode::Save)
        return typed;
    const QString chosen = storedName(typed);
    if (!QFileInfo(chosen).suffix().isEmpty())
        return chosen;
    const QString extension = m_settings.extensionOf(m_settings.filterIndex);
    if (extension.isEmpty())
        return chosen;
    return chosen + QStringLiteral(".") + extension;
}

bool FileDialog::confirmReplace(QWidget *parent, const QString &path)
{
    // The save dialog's own question and caption, in the language the toolkit speaks.
    const QString question = QCoreApplication::translate("QFileDialog", "%1 already exists.\nDo you want to replace it?")
                                 .arg(QFileInfo(path).fileName());
    const QString title = m_settings.title.isEmpty() ? QCoreApplication::translate("QFileDialog", "Save As")
                                                     : m_settings.title;
    return m_prompts.messageBox(parent, question, mb::YesNo | mb::IconWarning, title) == mb::IdYes;
}

} // namespace platform
