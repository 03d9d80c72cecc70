// The search-file import commands.
#include "songs/ui/SongImport.h"

#include "platform/FileDialog.h"
#include "platform/Files.h"
#include "platform/Prompts.h"
#include "songs/SearchFileParser.h"
#include "songs/SongTableModel.h"

#include <QDir>

#include <new>

namespace songs {

SongImport::SongImport(SongTableModel &table, platform::FileDialog &dialog, platform::Prompts &prompts,
                       QWidget *dialogParent, QObject *parent)
    : QObject(parent), m_table(table), m_dialog(dialog), m_prompts(prompts), m_dialogParent(dialogParent)
{
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
    Q_EMIT fileImported(parsed.lineCount);
}

} // namespace songs
