// The search-file import commands.
#include "songs/ui/SongImport.h"

#include "songs/ui/BusyGate.h"
#include "platform/FileDialog.h"
#include "ui/texts/FileMessages.h"
#include "platform/Files.h"
#include "platform/Prompts.h"
#include "songs/QuitRequest.h"
#include "songs/SearchFileParser.h"
#include "songs/SongTableModel.h"
#include "songs/ui/WhileWindowAnswers.h"

#include <QAction>
#include <QDir>
#include <QtConcurrentRun>

#include <atomic>
#include <new>

namespace songs {

SongImport::SongImport(SongTableModel &table, platform::FileDialog &dialog, platform::Prompts &prompts,
                       songs::BusyGate &busy, const songs::QuitRequest &quit, QWidget *dialogParent,
                       QObject *parent)
    : QObject(parent), m_table(table), m_dialog(dialog), m_prompts(prompts), m_busy(busy), m_quit(quit),
      m_dialogParent(dialogParent)
{
}

void SongImport::attach(QAction *command)
{
    connect(command, &QAction::triggered, this, &SongImport::ImportSearchFile);
    m_busy.addCommand(command);
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
    // A drop has no action to grey out: the gate turns it away itself.
    m_busy.runIfOpen([this, &path] { LoadSearchFile(path); });
}

void SongImport::LoadSearchFile(const QString &path)
{
    // The window answers while the file is cut, but nothing may start an export or change the table.
    const songs::BusyGate::Hold busy(m_busy);
    std::optional<ParsedSearchFile> parsed;
    try {
        platform::FileFailure whyNot;
        const std::unique_ptr<QFile> file = platform::openRegularFile(path, whyNot);
        if (!file) {
            warn(ui::readFailureMessage(path, whyNot));
            return;
        }
        parsed = parseWhileWindowAnswers(*file);
        if (!parsed)
            return; // the program is ending
        if (parsed->failure == ParsedSearchFile::Failure::ReadFailed) {
            warn(ui::readFailureMessage(path, platform::FileFailure{platform::FileFailure::Reason::ReadError, parsed->readError}));
            return;
        }
        if (parsed->failure == ParsedSearchFile::Failure::ChangedWhileRead) {
            warn(QStringLiteral("导入失败：文件“%1”在读取过程中被其他程序改动了，无法导入。歌曲列表保持原样。"
                                "请等那个程序写完后再导入一次。")
                     .arg(QDir::toNativeSeparators(path)));
            return;
        }
        m_table.appendRows(std::move(parsed->rows));
    } catch (const std::bad_alloc &) {
        warn(QStringLiteral("导入失败：文件“%1”太大，内存不足，无法导入。歌曲列表保持原样。")
                 .arg(QDir::toNativeSeparators(path)));
        return;
    }
    Q_EMIT fileImported(parsed->lineCount);
    if (parsed->cutAtZeroByteLine > 0)
        warn(zeroByteMessage(path, *parsed));
}

std::optional<ParsedSearchFile> SongImport::parseWhileWindowAnswers(QFile &file)
{
    struct Outcome {
        ParsedSearchFile parsed;
        bool outOfMemory = false;
    };
    std::atomic<bool> stop = false;
    // The file is read on the task's thread only, until the task ends; this function waits for the
    // task on every path.
    QFuture<Outcome> future = QtConcurrent::run([&stop, &file] {
        Outcome outcome;
        try {
            outcome.parsed = parseSearchFile(file, kParseChunkBytes, &stop);
        } catch (const std::bad_alloc &) {
            outcome.outOfMemory = true;
        }
        return outcome;
    });
    // Stopping ends the pieces under way, a few milliseconds.
    std::optional<Outcome> waited = waitWhileWindowAnswers(future, stop, m_quit);
    if (!waited)
        return std::nullopt;
    Outcome outcome = std::move(*waited);
    if (outcome.outOfMemory)
        throw std::bad_alloc();
    return std::move(outcome.parsed);
}

QString SongImport::zeroByteMessage(const QString &path, const ParsedSearchFile &parsed)
{
    QString text = QStringLiteral("文件“%1”在第%2行遇到零字节，导入到此为止，其后的内容没有导入。")
                       .arg(QDir::toNativeSeparators(path))
                       .arg(parsed.cutAtZeroByteLine);
    if (parsed.kind == platform::TextKind::Utf16)
        text += QStringLiteral("\r\n这个文件看来是UTF-16（Unicode）编码的，不是GBK文本：请先把它另存为GBK（ANSI）编码，再导入。");
    return text;
}

void SongImport::warn(const QString &text)
{
    m_prompts.messageBox(m_dialogParent, text, platform::mb::Ok | platform::mb::IconWarning, QString());
}

} // namespace songs
