// Importing and exporting keyword files.
#include "keywords/ui/KeywordFileCommands.h"

#include "keywords/KeywordListFile.h"
#include "keywords/KeywordListModel.h"
#include "keywords/KeywordStore.h"
#include "keywords/ui/KeywordTexts.h"
#include "ui/texts/FileMessages.h"
#include "platform/Prompts.h"
#include "ui/widgets/Commands.h"
#include "ui/widgets/FileDropTarget.h"
#include "ui/widgets/ListContextMenu.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QMimeData>
#include <QTextDocumentFragment>
#include <QTreeView>

#include <algorithm>
#include <new>

namespace keywords {

namespace mb = platform::mb;

namespace {
const QString kFilter = QStringLiteral("关键词文件 (*.txt)|*.txt|所有文件|*");

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString importSummary(const QString &command, const KeywordInsertion &insertion, int linesWithoutKeyword)
{
    QString summary = QStringLiteral("%1：新增%2个，跳过%3个（已存在或重复）")
                          .arg(command)
                          .arg(insertion.added)
                          .arg(insertion.skipped);
    if (linesWithoutKeyword > 0)
        summary += QStringLiteral("；另有%1行没有关键词，已忽略").arg(linesWithoutKeyword);
    return summary + QStringLiteral("。");
}

// Why what was read holds no keywords to add, in words for the user; a clipboard is no file.
QString refusalReason(const KeywordFileContent &content, bool clipboard)
{
    using Problem = KeywordFileContent::Problem;
    const auto megabytes = [](qint64 size) { return QString::number(double(size) / (1024 * 1024), 'f', 1); };
    const QString what = clipboard ? QStringLiteral("剪贴板中的文字") : QStringLiteral("文件");
    const QString list = clipboard ? QStringLiteral("关键词列表") : QStringLiteral("关键词文件");
    using Reason = platform::TextFile::Reason;
    switch (content.reading) {
    case Reason::Read:
        break;
    case Reason::Missing:
        return QStringLiteral("文件不存在。");
    case Reason::Folder:
        return QStringLiteral("这是一个文件夹，不是文件。");
    case Reason::NotRegularFile:
        return QStringLiteral("这不是普通文件。");
    case Reason::CannotOpen:
        return QStringLiteral("文件无法打开（%1）。").arg(content.systemText);
    case Reason::ReadFailed:
        return QStringLiteral("读取文件时出错（%1）。").arg(content.systemText);
    case Reason::TooBig:
        return QStringLiteral("%1太大（%2 MB），关键词文件最大为 %3 MB。")
            .arg(what, megabytes(content.size), megabytes(kMaxKeywordFileBytes));
    case Reason::Utf16:
        return QStringLiteral("文件是 UTF-16（Unicode）编码的。请先把它另存为 GBK（ANSI）或 UTF-8 编码。");
    case Reason::Binary:
        return clipboard ? QStringLiteral("剪贴板中的文字含有空字符，不是关键词列表。")
                         : ui::notTextFileReason(content.reading);
    case Reason::Controls:
        return clipboard ? QStringLiteral("剪贴板中的文字含有大量控制字符，不是关键词列表。")
                         : ui::notTextFileReason(content.reading);
    }
    switch (content.problem) {
    case Problem::None:
        break;
    case Problem::UnreadableBytes:
        return QStringLiteral("第%1行有无法识别的字节：文件不是 GBK（ANSI）或 UTF-8 编码的文本。").arg(content.line);
    case Problem::ControlCharacter:
        return QStringLiteral("第%1行含有控制字符，不像是%2。").arg(content.line).arg(list);
    case Problem::LongLine:
        return QStringLiteral("第%1行有%2个字符，超过了%3个字符的上限，不像是%4中的一行。")
            .arg(content.line)
            .arg(content.lineLength)
            .arg(kMaxKeywordLineLength)
            .arg(list);
    case Problem::Empty:
        return clipboard ? QStringLiteral("剪贴板中没有文字。") : QStringLiteral("文件是空的。");
    case Problem::OnlyBlankLines:
        return QStringLiteral("%1中只有空行，没有关键词。").arg(what);
    case Problem::NoKeyword:
        return QStringLiteral("%1中没有关键词：每行应以关键词开头，其后可以有制表符或“||”和备注。").arg(what);
    }
    return {};
}

// The clipboard's text, also when it holds only HTML (a web page or a spreadsheet's cells).
QString clipboardText(const QMimeData *clipboard)
{
    if (!clipboard)
        return {};
    if (clipboard->hasText())
        return clipboard->text();
    if (clipboard->hasHtml())
        return QTextDocumentFragment::fromHtml(clipboard->html()).toPlainText();
    return {};
}

QString exportSummary(const KeywordFileBytes &file, const QString &path)
{
    QString summary =
        QStringLiteral("导出关键词到文件：已把%1个关键词保存到“%2”。").arg(file.written).arg(native(path));
    if (file.encoding == KeywordFileEncoding::Utf8)
        summary += QStringLiteral("\r\n有的关键词含有 GBK 编码中没有的字符，所以文件以 UTF-8 编码（带 BOM）保存，"
                                  "导入时可以原样读回。");
    if (file.changedOnReading > 0)
        summary += QStringLiteral("\r\n其中%1个关键词含有制表符或换行、首尾有空白或备注为空，再导入时会略有不同。")
                       .arg(file.changedOnReading);
    if (file.leftOut > 0)
        summary +=
            QStringLiteral("\r\n有%1个关键词超过%2个字符，没有写入文件。").arg(file.leftOut).arg(kMaxKeywordLineLength);
    return summary;
}
} // namespace

KeywordFileCommands::KeywordFileCommands(const KeywordPanel &panel, KeywordStore &store, platform::Prompts &prompts,
                                         const QString &initialFolder, QObject *parent)
    : QObject(parent), m_panel(panel), m_store(store), m_prompts(prompts), m_importDialog(prompts),
      m_exportDialog(prompts)
{
    m_importDialog.setMode(platform::FileDialog::Mode::Open);
    m_importDialog.setTitle(QStringLiteral("从文件导入关键词"));
    m_exportDialog.setMode(platform::FileDialog::Mode::Save);
    m_exportDialog.setTitle(QStringLiteral("导出关键词到文件"));
    m_exportDialog.setFileName(QStringLiteral("关键词.txt"));
    m_exportDialog.setDefaultExtension(QStringLiteral("txt"));
    for (platform::FileDialog *dialog : {&m_importDialog, &m_exportDialog}) {
        dialog->setFilter(kFilter);
        dialog->setInitialFolder(initialFolder);
    }

    // Other commands on the keyword list add their own entries to the same menu.
    ui::ListContextMenu::install(m_panel.list);
    // A menu entry's accessible name is its caption; the description goes where a status line or
    // tooltip shows it.
    m_importAction =
        ui::addCommand(m_panel.list,
                       {.name = QStringLiteral("菜单项_导入关键词"),
                        .caption = QStringLiteral("从文件导入关键词..."),
                        .description = QStringLiteral("从文本文件导入关键词，每行一个，其后可以有制表符或“||”和备注")});
    m_exportAction =
        ui::addCommand(m_panel.list,
                       {.name = QStringLiteral("菜单项_导出关键词"),
                        .caption = QStringLiteral("导出关键词到文件..."),
                        .description = QStringLiteral("把关键词库保存为文本文件，每行一个关键词、一个制表符和备注")});
    m_pasteAction =
        ui::addCommand(m_panel.list,
                       {.name = QStringLiteral("菜单项_粘贴关键词"),
                        .caption = QStringLiteral("粘贴关键词"),
                        .shortcuts = {QKeySequence::Paste},
                        .context = Qt::WidgetWithChildrenShortcut,
                        .description = QStringLiteral("把剪贴板中的文字作为关键词加入关键词库，规则与从文件导入相同")});
    connect(m_pasteAction, &QAction::triggered, this,
            [this] { m_store.runWhenListReady([this] { PasteKeywords(); }); });
    // A keyword file dropped on the list is imported as with the menu entry.
    connect(ui::FileDropTarget::install(m_panel.list), &ui::FileDropTarget::filesDropped, this,
            [this](const QStringList &paths) {
                // After the drop has ended, so that the file manager is not held while a message is up.
                QMetaObject::invokeMethod(
                    this, [this, paths] { m_store.runWhenListReady([this, paths] { importDroppedFiles(paths); }); },
                    Qt::QueuedConnection);
            });
    // Both read or rebuild the keyword list, so they wait for a load under way.
    connect(m_importAction, &QAction::triggered, this,
            [this] { m_store.runWhenListReady([this] { ImportKeywordFile(); }); });
    connect(m_exportAction, &QAction::triggered, this,
            [this] { m_store.runWhenListReady([this] { ExportKeywordFile(); }); });
}

void KeywordFileCommands::ImportKeywordFile()
{
    // No file is asked for when nothing could be stored.
    if (refuseChanges())
        return;
    if (m_importDialog.show(m_panel.list->window()))
        importFile(m_importDialog.fileName());
}

void KeywordFileCommands::importFile(const QString &path)
{
    const Words words{QStringLiteral("从文件导入关键词"), QStringLiteral("文件中的关键词"), QStringLiteral("导入成功"),
                      QStringLiteral("导入失败")};
    bool stored = false;
    try {
        const KeywordFileContent content = readKeywordFile(path);
        if (content.refused()) {
            tell(QStringLiteral("从文件导入关键词失败：“%1”\r\n原因：%2\r\n关键词库没有改动。")
                     .arg(native(path), refusalReason(content, false)),
                 mb::Ok | mb::IconWarning, words.failedTitle);
            return;
        }
        storeKeywords(content, words, stored);
    } catch (const std::bad_alloc &) {
        tellOutOfMemory(words, stored);
    }
}

void KeywordFileCommands::PasteKeywords()
{
    if (refuseChanges())
        return;
    const Words words{QStringLiteral("粘贴关键词"), QStringLiteral("剪贴板中的关键词"), QStringLiteral("粘贴成功"),
                      QStringLiteral("粘贴失败")};
    bool stored = false;
    try {
        const QMimeData *clipboard = QGuiApplication::clipboard()->mimeData();
        const QString text = clipboardText(clipboard);
        // Looked at in place: a huge text is not copied only to be refused.
        if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.isSpace(); })) {
            const bool picture = clipboard && clipboard->hasImage();
            tell(picture ? QStringLiteral(
                     "剪贴板中是图片，没有文字，无法粘贴关键词。\r\n请复制每行一个关键词的文字后再粘贴。")
                         : QStringLiteral("剪贴板中没有文字，无法粘贴关键词。\r\n请复制每行一个关键词的文字后再粘贴。"),
                 mb::Ok | mb::IconInformation, QStringLiteral("粘贴关键词"));
            return;
        }
        // The clipboard's text goes through the keyword file's own reading, so the same rules and
        // refusals hold, its size included.
        const KeywordFileContent content = parseKeywordText(text);
        if (content.refused()) {
            tell(QStringLiteral("粘贴关键词失败。\r\n原因：%1\r\n关键词库没有改动。").arg(refusalReason(content, true)),
                 mb::Ok | mb::IconWarning, words.failedTitle);
            return;
        }
        storeKeywords(content, words, stored);
    } catch (const std::bad_alloc &) {
        tellOutOfMemory(words, stored);
    }
}

void KeywordFileCommands::tellOutOfMemory(const Words &words, bool stored)
{
    // Whatever the failure left behind is freed by now, so the message can be shown.
    tell(stored ? QStringLiteral("%1：关键词已存入关键词库，但内存不足，关键词列表无法全部显示。").arg(words.command)
                : QStringLiteral("%1失败：内存不足。%2没有导入，关键词库没有改动。").arg(words.command, words.what),
         mb::Ok | mb::IconWarning, words.failedTitle);
}

void KeywordFileCommands::importDroppedFiles(const QStringList &paths)
{
    for (const QString &path : paths) {
        if (refuseChanges())
            return;
        importFile(path);
    }
}

void KeywordFileCommands::storeKeywords(const KeywordFileContent &content, const Words &words, bool &stored)
{
    const QString &command = words.command;
    const QString &what = words.what;
    const QString &failed = words.failedTitle;
    using Outcome = KeywordInsertion::Outcome;
    const KeywordInsertion insertion = m_store.insertKeywords(content.rows);
    if (insertion.outcome == Outcome::NotStarted) {
        tell(text::notChanged(m_store, QStringLiteral("%1没有导入。").arg(what)), mb::Ok | mb::IconWarning, failed);
        return;
    }
    stored = insertion.outcome == Outcome::Saved;
    // The outcome is told only after the commit, with the rebuilt list behind the message.
    m_store.LoadKeywordList();
    switch (insertion.outcome) {
    case Outcome::Saved:
        tell(importSummary(command, insertion, content.linesWithoutKeyword), mb::Ok | mb::IconInformation,
             words.doneTitle);
        break;
    case Outcome::Failed:
        tell(QStringLiteral("%1失败：写入关键词库时出错，已导入的部分全部撤销，关键词库保持原样。").arg(command),
             mb::Ok | mb::IconWarning, failed);
        break;
    case Outcome::NotSaved:
        tell(text::notSaved(QStringLiteral("%1没有导入。").arg(what)), mb::Ok | mb::IconWarning, failed);
        break;
    case Outcome::NotStarted:
        break;
    }
}

void KeywordFileCommands::ExportKeywordFile()
{
    if (m_panel.listModel->count() == 0) {
        tell(QStringLiteral("关键词库是空的，没有可以导出的关键词。"), mb::Ok | mb::IconInformation);
        return;
    }
    if (m_exportDialog.show(m_panel.list->window()))
        exportFile(m_exportDialog.fileName());
}

void KeywordFileCommands::exportFile(const QString &path)
{
    const KeywordListModel &list = *m_panel.listModel;
    QList<KeywordRow> rows;
    rows.reserve(list.count());
    for (int i = 0; i < list.count(); ++i)
        rows.append(list.row(i));
    const KeywordFileBytes file = keywordFileBytes(rows);
    const platform::FileFailure failure = saveKeywordFile(path, file.bytes);
    if (failure.failed()) {
        tell(ui::writeFailureMessage(path, failure), mb::Ok | mb::IconWarning, QStringLiteral("导出失败"));
        return;
    }
    tell(exportSummary(file, path), mb::Ok | mb::IconInformation, QStringLiteral("导出成功"));
}

bool KeywordFileCommands::refuseChanges()
{
    const QString refusal = text::refusal(m_store.refusal());
    if (refusal.isEmpty())
        return false;
    tell(refusal, mb::Ok | mb::IconInformation);
    return true;
}

int KeywordFileCommands::tell(const QString &text, unsigned style, const QString &title)
{
    return m_prompts.messageBox(m_panel.list->window(), text, style, title);
}

} // namespace keywords
