// Adding and deleting keywords.
#include "keywords/ui/KeywordEditing.h"

#include "keywords/KeywordListModel.h"
#include "text/KeywordMatchRule.h"
#include "keywords/KeywordStore.h"
#include "keywords/ui/KeywordTexts.h"
#include "ui/widgets/ClickableLabel.h"
#include "platform/Prompts.h"

#include <QGroupBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>

namespace keywords {

namespace mb = platform::mb;

KeywordEditing::KeywordEditing(const KeywordPanel &panel, KeywordStore &store, platform::Prompts &prompts,
                               QObject *parent)
    : QObject(parent), m_panel(panel), m_store(store), m_prompts(prompts)
{
    connectControls();
}

void KeywordEditing::connectControls()
{
    using ui::ClickableLabel;
    connect(m_panel.showAdd, &ClickableLabel::leftButtonPressed, this, [this] {
        m_panel.addPanel->show();
        m_panel.addPanel->raise();
    });
    connect(m_panel.cancelButton, &QPushButton::clicked, m_panel.addPanel, &QWidget::hide);
    const std::pair<ClickableLabel *, QString> quickRemarks[] = {
        {m_panel.remarkBanned, QStringLiteral("违禁")},
        {m_panel.remarkDisputed, QStringLiteral("版权纠纷")},
        {m_panel.remarkCommercial, QStringLiteral("商业")},
    };
    for (const auto &[label, remark] : quickRemarks)
        connect(label, &ClickableLabel::leftButtonPressed, this, [this, remark] { m_panel.remarkEdit->setText(remark); });

    // Both change and reload the keyword list, so they wait for a load under way.
    connect(m_panel.addButton, &QPushButton::clicked, this,
            [this] { m_store.runWhenListReady([this] { validateAndAddKeyword(); }); });
    connect(m_panel.deleteButton, &QPushButton::clicked, this,
            [this] { m_store.runWhenListReady([this] { confirmAndDeleteKeyword(); }); });
}

void KeywordEditing::validateAndAddKeyword()
{
    // Only the empty text is refused; a text of blanks is a keyword like any other.
    if (m_panel.nameEdit->text().isEmpty()) {
        tell(text::enterName(), mb::Ok);
        return;
    }
    if (m_panel.remarkEdit->text().isEmpty())
        m_panel.remarkEdit->setText(QStringLiteral("无"));
    if (refuseChanges())
        return;
    AddKeyword();
}

void KeywordEditing::AddKeyword()
{
    const QString keyword = m_panel.nameEdit->text();
    const QString remark = m_panel.remarkEdit->text();

    // The query already ignores the case of A to Z; comparing folded texts keeps it so whatever
    // the column's collation.
    if (::text::foldAsciiLetters(m_store.storedName(keyword)) == ::text::foldAsciiLetters(keyword)) {
        tell(text::duplicate(keyword), mb::Ok, text::duplicateTitle());
        m_panel.nameEdit->setFocus();
        return;
    }

    if (!m_store.beginChange()) {
        tell(text::notChanged(m_store, text::notAdded(keyword)), mb::Ok | mb::IconWarning, text::addFailedTitle());
        return;
    }
    // The change is ended before the user hears of it: the message tells what was kept, and the
    // library is free for other programs while the message is on the screen.
    if (!m_store.insertKeyword(keyword, remark)) {
        m_store.rollbackChange();
        tell(text::addFailed(keyword), mb::Ok | mb::IconInformation, text::addFailedTitle());
    } else if (!m_store.commitChange()) {
        tell(text::notSaved(text::notAdded(keyword)), mb::Ok | mb::IconWarning, text::addFailedTitle());
    } else {
        tell(text::added(keyword), mb::Ok | mb::IconInformation, text::addedTitle());
    }
    m_store.LoadKeywordList();
}

void KeywordEditing::confirmAndDeleteKeyword()
{
    if (selectedKeywordRow() < 0) {
        tell(text::selectFirst(), mb::Ok);
        return;
    }
    if (refuseChanges())
        return;
    if (tell(text::confirmDelete(), mb::YesNo) != mb::IdYes)
        return;
    DeleteSelectedKeyword();
}

void KeywordEditing::DeleteSelectedKeyword()
{
    const int row = selectedKeywordRow();
    if (row < 0)
        return;
    const KeywordRow keyword = m_panel.listModel->row(row);

    if (!m_store.beginChange()) {
        tell(text::notChanged(m_store, text::notDeleted(keyword.name)), mb::Ok | mb::IconWarning, text::deleteFailedTitle());
        return;
    }
    // Ended before the message, as an add is; the list is loaded again only after a delete that was kept.
    if (!m_store.deleteKeyword(keyword.id)) {
        m_store.rollbackChange();
        tell(text::deleteFailed(keyword.name), mb::Ok | mb::IconInformation, text::deleteFailedTitle());
    } else if (!m_store.commitChange()) {
        tell(text::notSaved(text::notDeleted(keyword.name)), mb::Ok | mb::IconWarning, text::deleteFailedTitle());
    } else {
        tell(text::deleted(keyword.name), mb::Ok, text::deletedTitle());
        m_store.LoadKeywordList();
    }
}

bool KeywordEditing::refuseChanges()
{
    const QString refusal = text::refusal(m_store.refusal());
    if (refusal.isEmpty())
        return false;
    tell(refusal, mb::Ok | mb::IconInformation);
    return true;
}

int KeywordEditing::selectedKeywordRow() const
{
    const QModelIndexList rows = m_panel.list->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.constFirst().row();
}

int KeywordEditing::tell(const QString &text, unsigned style, const QString &title)
{
    return m_prompts.messageBox(m_panel.list->window(), text, style, title);
}

} // namespace keywords
