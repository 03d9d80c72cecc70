// Chinese reasons for failed file reads and writes.
#include "platform/FileErrors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace platform {

namespace {
QString withSystemText(const QString &reason, const QString &systemText)
{
    return systemText.isEmpty() ? reason : reason + QStringLiteral("（") + systemText + QStringLiteral("）");
}
} // namespace

QString describeOpenFailure(const QString &path, const QString &systemText)
{
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    QString reason;
    if (file.isDir())
        reason = QStringLiteral("这是一个文件夹，不是文件");
    else if (!folder.exists())
        reason = QStringLiteral("文件夹不存在");
    else if (!folder.isDir())
        reason = QStringLiteral("路径中有一项不是文件夹");
    else if (file.exists() && !file.isWritable())
        reason = QStringLiteral("文件是只读的，不能改写");
    else if (!folder.isWritable())
        reason = QStringLiteral("没有在这个文件夹中写文件的权限");
    else if (systemText.contains(QLatin1String("No space left"), Qt::CaseInsensitive))
        reason = QStringLiteral("磁盘已满");
    else
        reason = QStringLiteral("文件无法创建，文件名可能不被允许");
    return withSystemText(reason, systemText);
}

QString describeWriteFailure(const WriteError &error)
{
    if (error.diskFull)
        return QStringLiteral("写入出错，磁盘已满");
    // A device that was never set to an error says "Unknown error", in the language Qt speaks.
    const bool saysMore = error.systemText != QFile().errorString();
    return withSystemText(QStringLiteral("写入出错，磁盘可能已满"), saysMore ? error.systemText : QString());
}

QString outOfMemoryReason()
{
    return QStringLiteral("内存不足，歌曲太多，无法导出。歌曲列表保持原样。");
}

QString writeFailureMessage(const QString &path, const QString &reason)
{
    return QStringLiteral("导出失败：无法写入文件“") + QDir::toNativeSeparators(path) + QStringLiteral("”。\r\n原因：")
        + reason;
}

QString temporaryFolderFailureMessage(const QString &folder, const WriteError &error)
{
    return QStringLiteral("导出失败：无法写入临时文件夹“") + QDir::toNativeSeparators(folder)
        + QStringLiteral("”。\r\n原因：") + describeWriteFailure(error);
}

QString describeReadFailure(const QString &path, const QString &systemText)
{
    const QFileInfo file(path);
    QString reason;
    if (!file.exists())
        reason = QStringLiteral("文件不存在");
    else if (file.isDir())
        reason = QStringLiteral("这是一个文件夹，不是文件");
    else if (!file.isFile())
        reason = QStringLiteral("这不是普通文件，而是设备、管道之类的特殊文件");
    else if (!file.isReadable())
        reason = QStringLiteral("没有读取这个文件的权限");
    else
        reason = QStringLiteral("文件无法读取，可能正被其他程序占用");
    return withSystemText(reason, systemText);
}

QString describeReadError(const QString &systemText)
{
    return withSystemText(QStringLiteral("读取文件时出错"), systemText);
}

QString readFailureMessage(const QString &path, const QString &reason)
{
    return QStringLiteral("导入失败：无法读取文件“") + QDir::toNativeSeparators(path) + QStringLiteral("”。\r\n原因：")
        + reason;
}

} // namespace platform
