// The makers' lines of the help window and the about box.
#include "app/MakerTexts.h"

#include <QHostAddress>
#include <QUrl>

namespace app::maker {

QString ownershipLine()
{
    return QStringLiteral("本工具开发者 版权所有");
}

QString authorLine()
{
    return QStringLiteral("作者：Korvia8位编码导出工具开发者");
}

QString contactAddress(const QString &site)
{
    QString domain = QUrl(site).host();
    if (domain.startsWith(QStringLiteral("www.")))
        domain.remove(0, 4);
    if (domain.isEmpty() || !domain.contains(u'.') || !QHostAddress(domain).isNull())
        domain = QStringLiteral("example.com");
    return QStringLiteral("support@") + domain;
}

QString aboutText(const QString &site)
{
    return ownershipLine() + QStringLiteral("\r\n") + authorLine() + QStringLiteral("\r\n") + site;
}

} // namespace app::maker
