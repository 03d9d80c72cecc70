// The code list export.
#include "export/CodeListExport.h"

#include "platform/Accessibility.h"
#include "platform/FileDialog.h"
#include "songs/SongTableModel.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace exporting {

namespace {
QPlainTextEdit *makeReadOnlyBox(QWidget *parent, const QString &name)
{
    auto *box = new QPlainTextEdit(parent);
    box->setReadOnly(true);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    platform::nameCaptionlessControl(box, name);
    return box;
}
} // namespace

CodeListPanel buildCodeListPanel(QWidget *window)
{
    CodeListPanel panel;
    panel.frame = new QGroupBox(QStringLiteral(" 导出8位编码 "), window);
    platform::nameControl(panel.frame, QStringLiteral("分组框1"));
    panel.frame->setGeometry(224, 104, 448, 296);

    panel.progress = new QLabel(QStringLiteral("操作进程："), panel.frame);
    platform::nameControl(panel.progress, QStringLiteral("标签1"));
    panel.progress->setGeometry(11, 17, 221, 16);
    panel.progress->setStyleSheet(QStringLiteral("color: #FF00FF;"));

    panel.codes = makeReadOnlyBox(panel.frame, QStringLiteral("编辑框1"));
    panel.codes->setGeometry(227, 112, 141, 155);

    panel.close = new QPushButton(QStringLiteral("确定"), panel.frame);
    platform::nameControl(panel.close, QStringLiteral("按钮3"));
    panel.close->setGeometry(392, 11, 48, 24);

    panel.log = makeReadOnlyBox(window, QStringLiteral("编辑框2"));
    panel.log->setGeometry(233, 143, 429, 248);

    panel.frame->hide();
    panel.log->hide();
    return panel;
}

CodeListExport::CodeListExport(const CodeListPanel &panel, songs::SongTableModel &table, platform::Prompts &prompts,
                               platform::BusyGate &busy, QWidget *dialogParent, QObject *parent)
    : QObject(parent), m_panel(panel), m_table(table), m_prompts(prompts), m_busy(busy), m_dialogParent(dialogParent),
      m_dialog(prompts)
{
    m_dialog.setMode(platform::FileDialog::Mode::Save);
    m_dialog.setTitle(QStringLiteral("编码导出"));
    m_dialog.setFilter(QStringLiteral("*.txt|*.txt"));
    m_dialog.setDefaultExtension(QStringLiteral("txt"));
    connect(m_panel.close, &QPushButton::clicked, this, &CodeListExport::HidePanel);
}

void CodeListExport::HidePanel()
{
    m_panel.frame->hide();
    m_panel.log->hide();
}

void CodeListExport::ExportCodeList()
{
    // Arrives with the code list export.
}

} // namespace exporting
