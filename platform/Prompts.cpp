// The settings of a file dialog.
#include "platform/Prompts.h"

#include <QStringList>

namespace platform {

QString FileDialogSettings::extensionOf(int index) const
{
    const QStringList parts = filter.split(u'|');
    const qsizetype pattern = 2 * qsizetype(index) + 1;
    if (index >= 0 && pattern < parts.size()) {
        const QString first = parts[pattern].section(u';', 0, 0).trimmed();
        const QString extension = first.mid(2);
        if (first.startsWith(QLatin1String("*.")) && !extension.isEmpty() && !extension.contains(u'*')
            && !extension.contains(u'?'))
            return extension;
    }
    return defaultExtension;
}

} // namespace platform
