// Adding and deleting keywords: each change one transaction, its message shown before the commit.
#include "keywords/KeywordLibrary.h"

#include "keywords/KeywordListModel.h"
#include "keywords/KeywordMatcher.h"
#include "keywords/KeywordSql.h"
#include "keywords/KeywordTexts.h"
#include "platform/Prompts.h"

#include <QLineEdit>

namespace keywords {

namespace mb = platform::mb;

void KeywordLibrary::validateAndAddKeyword()
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

void KeywordLibrary::AddKeyword()
{
    const QString keyword = m_panel.nameEdit->text();
    const QString remark = m_panel.remarkEdit->text();

    QString stored;
    {
        platform::StoreRows rows = m_store.query(sql::duplicateCheck(keyword));
        if (rows.next())
            stored = rows.value(rows.column(QStringLiteral("歌曲名"))).toString();
    }
    // The query already ignores the case of A to Z; comparing folded texts keeps it so whatever
    // the column's collation.
    if (foldAsciiLetters(stored) == foldAsciiLetters(keyword)) {
        tell(text::duplicate(keyword), mb::Ok, text::duplicateTitle());
        m_panel.nameEdit->setFocus();
        return;
    }

    if (!m_store.beginTransaction()) {
        tell(text::notChanged(text::notAdded(keyword)), mb::Ok | mb::IconWarning, text::addFailedTitle());
        return;
    }
    if (m_store.execute(sql::insertKeyword(keyword, remark))) {
        tell(text::added(keyword), mb::Ok | mb::IconInformation, text::addedTitle());
        commitChange();
    } else {
        tell(text::addFailed(keyword), mb::Ok | mb::IconInformation, text::addFailedTitle());
        m_store.rollback();
    }
    LoadKeywordList();
}

void KeywordLibrary::confirmAndDeleteKeyword()
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

void KeywordLibrary::DeleteSelectedKeyword()
{
    const int row = selectedKeywordRow();
    if (row < 0)
        return;
    const KeywordRow keyword = m_list.row(row);

    if (!m_store.beginTransaction()) {
        tell(text::notChanged(text::notDeleted(keyword.name)), mb::Ok | mb::IconWarning, text::deleteFailedTitle());
        return;
    }
    if (m_store.execute(sql::deleteKeyword(keyword.id))) {
        tell(text::deleted(keyword.name), mb::Ok, text::deletedTitle());
        commitChange();
        LoadKeywordList();
    } else {
        tell(text::deleteFailed(keyword.name), mb::Ok | mb::IconInformation, text::deleteFailedTitle());
        m_store.rollback();
    }
}

bool KeywordLibrary::refuseChanges()
{
    switch (m_changes) {
    case Changes::Allowed:
        return false;
    case Changes::ReadOnly:
        tell(text::readOnly(), mb::Ok | mb::IconInformation);
        return true;
    case Changes::Refused:
        tell(text::unavailable(), mb::Ok | mb::IconInformation);
        return true;
    }
    return true;
}

bool KeywordLibrary::commitChange()
{
    if (m_store.commit())
        return true;
    // The user was just told the change was made; say plainly that it was not kept.
    m_store.rollback();
    tell(text::notSaved(), mb::Ok | mb::IconInformation);
    return false;
}

} // namespace keywords
