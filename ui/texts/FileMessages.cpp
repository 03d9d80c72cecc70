// Chinese reasons for failed file reads and writes.
#include "ui/texts/FileMessages.h"

#include <QDir>

namespace ui {

namespace {
QString reasonText(platform::FileFailure::Reason reason)
{
    using Reason = platform::FileFailure::Reason;
    switch (reason) {
    case Reason::None:
        break;
    case Reason::Missing:
        return QStringLiteral("文件不存在");
    case Reason::Folder:
        return QStringLiteral("这是一个文件夹，不是文件");
    case Reason::NotRegular:
        return QStringLiteral("这不是普通文件，而是设备、管道之类的特殊文件");
    case Reason::NoReadPermission:
        return QStringLiteral("没有读取这个文件的权限");
    case Reason::Unreadable:
        return QStringLiteral("文件无法读取，可能正被其他程序占用");
    case Reason::ReadError:
        return QStringLiteral("读取文件时出错");
    case Reason::MissingFolder:
        return QStringLiteral("文件夹不存在");
    case Reason::PathNotFolder:
        return QStringLiteral("路径中有一项不是文件夹");
    case Reason::ReadOnly:
        return QStringLiteral("文件是只读的，不能改写");
    case Reason::FolderNotWritable:
        return QStringLiteral("没有在这个文件夹中写文件的权限");
    case Reason::NoSpace:
        return QStringLiteral("磁盘已满");
    case Reason::NameRefused:
        return QStringLiteral("文件无法创建，文件名可能不被允许");
    case Reason::DiskFull:
        return QStringLiteral("写入出错，磁盘已满");
    case Reason::WriteError:
        return QStringLiteral("写入出错，磁盘可能已满");
    case Reason::NotWritableKind:
        return QStringLiteral("这不是普通文件，不能写入");
    case Reason::ReplaceRefused:
        return QStringLiteral("无法用新文件替换原有文件，文件可能正被其他程序使用");
    }
    return {};
}

QString failureMessage(const QString &failed, const QString &path, const QString &reason)
{
    return failed + QStringLiteral("“") + QDir::toNativeSeparators(path) + QStringLiteral("”。\r\n原因：") + reason;
}
} // namespace

QString fileFailureReason(const platform::FileFailure &failure)
{
    const QString reason = reasonText(failure.reason);
    return failure.systemText.isEmpty() ? reason : reason + QStringLiteral("（") + failure.systemText + QStringLiteral("）");
}

QString notTextFileReason(platform::TextFile::Reason reason)
{
    using Reason = platform::TextFile::Reason;
    if (reason == Reason::Binary)
        return QStringLiteral("文件中含有二进制数据（空字节），不是文本文件。");
    if (reason == Reason::Controls)
        return QStringLiteral("文件中含有二进制数据（大量控制字符），不是文本文件。");
    return {};
}

QString outOfMemoryReason()
{
    return QStringLiteral("内存不足，歌曲太多，无法导出。歌曲列表保持原样。");
}

QString writeFailureMessage(const QString &path, const QString &reason)
{
    return failureMessage(QStringLiteral("导出失败：无法写入文件"), path, reason);
}

QString temporaryFolderFailureMessage(const QString &folder, const platform::FileFailure &failure)
{
    return failureMessage(QStringLiteral("导出失败：无法写入临时文件夹"), folder, fileFailureReason(failure));
}

QString readFailureMessage(const QString &path, const QString &reason)
{
    return failureMessage(QStringLiteral("导入失败：无法读取文件"), path, reason);
}

} // namespace ui
