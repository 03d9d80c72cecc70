// The desktop shell through Qt's desktop services.
#include "platform/Shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace platform {

bool DesktopShell::openDocument(const QString &path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool DesktopShell::openAddress(const QString &address)
{
    return QDesktopServices::openUrl(QUrl(address));
}

} // namespace platform
