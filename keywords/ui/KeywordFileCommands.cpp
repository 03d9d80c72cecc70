// Importing and exporting keyword files.
#include "keywords/ui/KeywordFileCommands.h"

#include "keywords/KeywordListFile.h"
#include "keywords/KeywordListModel.h"
#include "keywords/KeywordStore.h"
#include "keywords/KeywordTexts.h"
#include "platform/FileErrors.h"
#include "platform/Prompts.h"
#include "ui/widgets/ListContextMenu.h"

#include <QAction>
#include <QDir>
#include <QTreeView>

namespace keywords {

namespace mb = platform::mb;

namespace {
const QString kFilter = QStringLiteral("关键词文件 (*.txt)|*.txt|所有文件|*");

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString importSummary(const KeywordInsertion &insertion, int linesWithoutKeyword)
{
    QString summary = QStringLiteral("从文件导入关键词：新增%1个，跳过%2个（已存在或重复）")
                          .arg(insertion.added)
                          .arg(insertion.skipped);
    if (linesWithoutKeyword > 0)
        summary += QStringLiteral("；另有%1行没有关键词，已忽略").arg(linesWithoutKeyword);
    return summary + QStringLiteral("。");
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
    m_importAction = addListAction(QStringLiteral("菜单项_导入关键词"), QStringLiteral("从文件导入关键词..."),
                                   QStringLiteral("从文本文件导入关键词，每行一个，其后可以有制表符或“||”和备注"));
    m_exportAction = addListAction(QStringLiteral("菜单项_导出关键词"), QStringLiteral("导出关键词到文件..."),
                                   QStringLiteral("把关键词库保存为文本文件，每行一个关键词、一个制表符和备注"));
    // Both read or rebuild the keyword list, so they wait for a load under way.
    connect(m_importAction, &QAction::triggered, this,
            [this] { m_store.runWhenListReady([this] { ImportKeywordFile(); }); });
    connect(m_exportAction, &QAction::triggered, this,
            [this] { m_store.runWhenListReady([this] { ExportKeywordFile(); }); });
}

QAction *KeywordFileCommands::addListAction(const QString &name, const QString &caption, const QString &description)
{
    // A menu entry's accessible name is its caption; the description goes where a status line or
    // tooltip shows it.
    auto *action = new QAction(caption, m_panel.list);
    action->setObjectName(name);
    action->setStatusTip(description);
    action->setToolTip(description);
    m_panel.list->addAction(action);
    return action;
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
    const KeywordFileContent content = readKeywordFile(path);
    if (!content.problem.isEmpty()) {
        tell(QStringLiteral("从文件导入关键词失败：“%1”\r\n原因：%2\r\n关键词库没有改动。")
                 .arg(native(path), content.problem),
             mb::Ok | mb::IconWarning, QStringLiteral("导入失败"));
        return;
    }

    using Outcome = KeywordInsertion::Outcome;
    const KeywordInsertion insertion = m_store.insertKeywords(content.rows);
    if (insertion.outcome == Outcome::NotStarted) {
        tell(m_store.notChanged(QStringLiteral("文件中的关键词没有导入。")), mb::Ok | mb::IconWarning,
             QStringLiteral("导入失败"));
        return;
    }
    // The outcome is told only after the commit, with the rebuilt list behind the message.
    m_store.LoadKeywordList();
    switch (insertion.outcome) {
    case Outcome::Saved:
        tell(importSummary(insertion, content.linesWithoutKeyword), mb::Ok | mb::IconInformation,
             QStringLiteral("导入成功"));
        break;
    case Outcome::Failed:
        tell(QStringLiteral("从文件导入关键词失败：写入关键词库时出错，已导入的部分全部撤销，关键词库保持原样。"),
             mb::Ok | mb::IconWarning, QStringLiteral("导入失败"));
        break;
    case Outcome::NotSaved:
        tell(text::notSaved(QStringLiteral("文件中的关键词没有导入。")), mb::Ok | mb::IconWarning, QStringLiteral("导入失败"));
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
    const QString failure = saveKeywordFile(path, file.bytes);
    if (!failure.isEmpty()) {
        tell(platform::writeFailureMessage(path, failure), mb::Ok | mb::IconWarning, QStringLiteral("导出失败"));
        return;
    }
    tell(exportSummary(file, path), mb::Ok | mb::IconInformation, QStringLiteral("导出成功"));
}

bool KeywordFileCommands::refuseChanges()
{
    const QString refusal = m_store.refusal();
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
