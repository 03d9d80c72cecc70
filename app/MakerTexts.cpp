// The makers' lines of the help window and the about box.
#include "app/MakerTexts.h"

namespace app::maker {

namespace {
QString authorLine()
{
    return QStringLiteral("作者：Korvia8位编码导出工具开发者");
}
} // namespace

QString ownershipLine()
{
    return QStringLiteral("本工具开发者 版权所有");
}

QString supportRequestLine()
{
    return QStringLiteral("发现程序错误请发邮件告诉我们：");
}

QString aboutText(const QString &site)
{
    return ownershipLine() + QStringLiteral("\r\n") + authorLine() + QStringLiteral("\r\n") + site;
}

} // namespace app::maker
