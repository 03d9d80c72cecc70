// Chinese reasons for failed file writes.
#include "platform/FileErrors.h"

#include <QDir>

namespace platform {

QString describeWriteFailure(const QString &systemReason)
{
    struct Known {
        const char *english;
        const char16_t *chinese;
    };
    static const Known known[] = {
        {"Permission denied", u"没有写入这个位置的权限"},
        {"Read-only file system", u"这个位置只能读取，不能写入"},
        {"No space left on device", u"磁盘空间不足"},
        {"Disk quota exceeded", u"磁盘配额已用完"},
        {"No such file or directory", u"文件夹不存在"},
        {"Is a directory", u"这个名字是一个文件夹"},
        {"Not a directory", u"路径中有一部分不是文件夹"},
        {"File name too long", u"文件名太长"},
        {"Invalid argument", u"文件名不被允许"},
        {"Input/output error", u"读写设备出错"},
    };
    for (const Known &entry : known) {
        if (systemReason.contains(QLatin1String(entry.english), Qt::CaseInsensitive))
            return QString::fromUtf16(entry.chinese) + QStringLiteral("（") + systemReason + QStringLiteral("）");
    }
    return systemReason.isEmpty() ? QStringLiteral("未知错误") : systemReason;
}

QString writeFailureMessage(const QString &path, const QString &systemReason)
{
    return QStringLiteral("导出失败：无法写入文件“") + QDir::toNativeSeparators(path) + QStringLiteral("”。\r\n原因：")
        + describeWriteFailure(systemReason);
}

} // namespace platform
