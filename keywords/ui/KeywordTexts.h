// What the keyword library says to the user.
#pragma once

#include "keywords/KeywordStore.h"

#include <QString>

namespace keywords::text {

// Adding.
inline QString enterName() { return QStringLiteral("请输入正确的歌曲名"); }
inline QString duplicate(const QString &keyword) { return QStringLiteral("歌曲名") + keyword + QStringLiteral("已经存在，请重新输入。"); }
inline QString duplicateTitle() { return QStringLiteral("输入错误"); }
inline QString added(const QString &keyword) { return QStringLiteral("添加歌曲") + keyword + QStringLiteral("成功！"); }
inline QString addedTitle() { return QStringLiteral("添加成功"); }
inline QString addFailed(const QString &keyword)
{
    return QStringLiteral("添加歌曲") + keyword + QStringLiteral("失败！，因为歌曲") + keyword + QStringLiteral("已经存在！");
}
inline QString addFailedTitle() { return QStringLiteral("添加失败"); }

// Deleting.
inline QString confirmDelete() { return QStringLiteral("您正在试图删除已添加的记录，请确认是否删除"); }
inline QString deleted(const QString &name) { return QStringLiteral("恭喜你，删除歌曲") + name + QStringLiteral("成功！"); }
inline QString deletedTitle() { return QStringLiteral("删除成功"); }
inline QString deleteFailed(const QString &name) { return QStringLiteral("删除歌曲") + name + QStringLiteral("失败！"); }
inline QString deleteFailedTitle() { return QStringLiteral("删除失败"); }
inline QString selectFirst() { return QStringLiteral("请先在关键词列表中选中要删除的关键词。"); }

// A change that could not even start: the library refused the write lock.
inline QString lockedNotChanged(const QString &what)
{
    return QStringLiteral("关键词库 music.mdb 现在不能修改（可能正被其他程序使用），") + what;
}
// The same, when the file turned out damaged, e.g. overwritten while the program runs.
inline QString damagedNotChanged(const QString &what)
{
    return QStringLiteral("关键词库 music.mdb 无法读取（文件已损坏，或不是关键词库），不能修改，") + what;
}
// Why the last change could not start, ending in what.
inline QString notChanged(const KeywordStore &store, const QString &what)
{
    return store.foundDamaged() ? damagedNotChanged(what) : lockedNotChanged(what);
}
inline QString notAdded(const QString &keyword) { return QStringLiteral("歌曲") + keyword + QStringLiteral("没有添加。"); }
inline QString notDeleted(const QString &name) { return QStringLiteral("歌曲") + name + QStringLiteral("没有删除。"); }

// A change whose statement ran but whose commit did not: it was rolled back.
inline QString notSaved(const QString &what)
{
    return QStringLiteral("关键词库 music.mdb 未能保存这次更改（可能正被其他程序使用），关键词库保持原样，") + what;
}

// Searching.
inline QString found(const QString &keyword) { return QStringLiteral("找到   ") + keyword; }
inline QString searchDone() { return QStringLiteral("搜索结束"); }

// The state of music.mdb, said once at start, and again when a change cannot be made.
inline QString readOnly() { return QStringLiteral("关键词库 music.mdb 是只读文件：可以查看和搜索关键词，但不能新增或删除。"); }
inline QString unavailable() { return QStringLiteral("关键词库 music.mdb 无法使用，不能新增或删除关键词。"); }
inline QString inUse()
{
    return QStringLiteral("关键词库 music.mdb 现在不能读取（可能正被其他程序使用）。关键词列表暂时为空，"
                          "下次使用关键词库时（搜索、新增、删除关键词，导入或导出关键词文件，列出命中歌曲）会重新读取。");
}
inline QString cannotCreate()
{
    return QStringLiteral("关键词库的文件夹中没有 music.mdb，也无法在那里新建（文件夹可能是只读的）。关键词列表为空。");
}
inline QString damaged()
{
    return QStringLiteral("关键词库 music.mdb 无法读取（文件已损坏，或不是关键词库）。关键词列表为空，文件未作改动。");
}
inline QString accessEncrypted()
{
    return QStringLiteral("关键词库 music.mdb 是加密的 Access 文件（设有数据库密码或已编码），本程序无法读取其中的关键词。"
                          "请在 Access 中撤销数据库密码（或解码数据库）后重新启动本程序。关键词列表为空，文件未作改动。");
}
inline QString accessTooOld()
{
    return QStringLiteral("关键词库 music.mdb 是 Access 97 格式，本程序只能读取 Access 2000 及以后版本的文件（.mdb、.accdb）。"
                          "请在 Access 中把它转换为 Access 2000 或更新的格式后重新启动本程序。关键词列表为空，文件未作改动。");
}
inline QString accessUnreadable()
{
    return QStringLiteral("关键词库 music.mdb 是 Access 格式，但无法读出其中的关键词表 music（文件可能已损坏）。"
                          "关键词列表为空，文件未作改动。");
}
inline QString accessNotConverted()
{
    return QStringLiteral("关键词库 music.mdb 是 Access 格式，需要转换为本程序的格式，但无法在关键词库的文件夹中写入新文件。"
                          "关键词列表为空，文件未作改动。");
}
inline QString accessConverted(int rowCount, const QString &backupPath)
{
    return QStringLiteral("关键词库 music.mdb 原为 Access 格式，已转换为本程序的格式，共 %1 条关键词。\n"
                          "原文件未作任何改动，已改名保存为：\n%2")
        .arg(rowCount)
        .arg(backupPath);
}

// Said after accessConverted when a damaged page kept rows from being read.
inline QString accessRowsLost(int unreadableRows)
{
    const QString how = unreadableRows > 0 ? QStringLiteral("有 %1 条关键词").arg(unreadableRows) : QStringLiteral("有部分关键词");
    return QStringLiteral("\n原文件有损坏：其中") + how
           + QStringLiteral("无法读出，没有转换过来；它们仍在原文件中。");
}
inline QString accessNotMoved(const QString &path)
{
    return QStringLiteral("关键词库 music.mdb 是 Access 格式，已读出其中的关键词，但无法把原文件改名保存（文件可能被设为不可更改）：\n%1\n"
                          "关键词列表为空，文件未作改动。")
        .arg(path);
}
inline QString accessChanged()
{
    return QStringLiteral("关键词库 music.mdb 在转换过程中被其他程序换成了另一个文件，没有转换。关键词列表为空，文件未作改动，"
                          "下次启动时会重新转换。");
}
inline QString converting() { return QStringLiteral("正在把 Access 格式的关键词库 music.mdb 转换为本程序的格式……"); }

// Why a change of the library cannot be made; empty when it can.
inline QString refusal(ChangeRefusal refusal)
{
    switch (refusal) {
    case ChangeRefusal::None:
        return {};
    case ChangeRefusal::ReadOnly:
        return readOnly();
    case ChangeRefusal::Unavailable:
        break;
    }
    return unavailable();
}

// What to say about the library once it was opened; empty when nothing.
inline QString notice(const StoreNotice &notice)
{
    using Kind = StoreNotice::Kind;
    switch (notice.kind) {
    case Kind::None:
        return {};
    case Kind::ReadOnly:
        return readOnly();
    case Kind::CannotCreate:
        return cannotCreate();
    case Kind::Damaged:
        return damaged();
    case Kind::InUse:
        return inUse();
    case Kind::AccessEncrypted:
        return accessEncrypted();
    case Kind::AccessTooOld:
        return accessTooOld();
    case Kind::AccessUnreadable:
        return accessUnreadable();
    case Kind::AccessNotConverted:
        return accessNotConverted();
    case Kind::AccessNotMoved:
        return accessNotMoved(notice.path);
    case Kind::AccessChanged:
        return accessChanged();
    case Kind::AccessConverted:
        return accessConverted(notice.rowCount, notice.path)
               + (notice.rowsLost ? accessRowsLost(notice.unreadableRows) : QString());
    }
    return {};
}

} // namespace keywords::text
