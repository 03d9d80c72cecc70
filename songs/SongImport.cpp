// The search-file import commands.
#include "songs/SongImport.h"

#include "platform/FileDialog.h"
#include "platform/Files.h"
#include "platform/Prompts.h"
#include "songs/SearchFileParser.h"
#include "songs/SongTableModel.h"

#include <QDir>
#include <QLabel>

#include <new>

namespace songs {

SongImport::SongImport(SongTableModel &table, platform::FileDialog &dialog, platform::Prompts &prompts,
                       QLabel &statusLine, QWidget *dialogParent)
    : m_table(table), m_dialog(dialog), m_prompts(prompts), m_statusLine(statusLine), m_dialogParent(dialogParent)
{
}

QString SongImport::statusText(qsizetype lineCount)
{
    return QStringLiteral("消息：共分析出歌曲数%1个").arg(lineCount);
}

void SongImport::ImportSearchFile()
{
    m_dialog.setMode(platform::FileDialog::Mode::Open);
    m_dialog.setFilter(QStringLiteral("*.txt|*.txt"));
    if (!m_dialog.show(m_dialogParent))
        return;
    LoadSearchFile(m_dialog.fileName());
}

void SongImport::ImportDroppedFile(const QString &path)
{
    LoadSearchFile(path);
}

void SongImport::LoadSearchFile(const QString &path)
{
    ParsedSearchFile parsed;
    try {
        parsed = parseSearchFile(platform::readWholeFile(path));
        m_table.appendRows(std::move(parsed.rows));
    } catch (const std::bad_alloc &) {
        m_prompts.messageBox(m_dialogParent,
                             QStringLiteral("导入失败：文件“%1”太大，内存不足，无法导入。歌曲列表保持原样。")
                                 .arg(QDir::toNativeSeparators(path)),
                             platform::mb::Ok | platform::mb::IconWarning, QString());
        return;
    }
    // The count covers every line read, skipped ones included; a file without lines leaves the
    // status line as it was.
    if (parsed.lineCount > 0)
        m_statusLine.setText(statusText(parsed.lineCount));
}

} // namespace songs
