// Changing the keyword library: one transaction per change.
#include "keywords/KeywordStore.h"

#include "keywords/KeywordListModel.h"
#include "text/KeywordMatchRule.h"
#include "keywords/KeywordSchema.h"

#include <QSet>

namespace keywords {

ChangeRefusal KeywordStore::refusal() const
{
    switch (m_changes) {
    case Changes::Allowed:
        return ChangeRefusal::None;
    case Changes::ReadOnly:
        return ChangeRefusal::ReadOnly;
    case Changes::Refused:
        break;
    }
    return ChangeRefusal::Unavailable;
}

QString KeywordStore::storedName(const QString &keyword)
{
    platform::StoreRows rows = m_store.query(KeywordSchema::selectByName(), {keyword});
    return rows.next() ? rows.value(rows.column(KeywordSchema::nameColumn())).toString() : QString();
}

bool KeywordStore::beginChange()
{
    if (m_store.beginTransaction())
        return true;
    m_foundDamaged = m_store.lastFailureDamaged();
    if (m_foundDamaged)
        m_changes = Changes::Refused;
    return false;
}

bool KeywordStore::insertKeyword(const QString &keyword, const QString &remark)
{
    return m_store.execute(KeywordSchema::insertKeyword(), {keyword, remark});
}

bool KeywordStore::deleteKeyword(qint64 id)
{
    return m_store.execute(KeywordSchema::deleteById(), {id});
}

KeywordInsertion KeywordStore::insertKeywords(const QList<KeywordRow> &rows)
{
    using Outcome = KeywordInsertion::Outcome;
    KeywordInsertion result;
    if (!beginChange())
        return result;
    // The stored names are read inside the transaction, so that no other writer adds one meanwhile.
    QSet<QString> names;
    platform::StoreRows stored = m_store.query(KeywordSchema::selectAllByName());
    const int nameColumn = stored.column(KeywordSchema::nameColumn());
    while (stored.next())
        names.insert(::text::foldAsciiLetters(stored.value(nameColumn).toString()));
    bool failed = stored.failed();
    stored.close();
    for (const KeywordRow &row : rows) {
        if (failed)
            break;
        const QString folded = ::text::foldAsciiLetters(row.name);
        if (names.contains(folded)) {
            ++result.skipped;
            continue;
        }
        names.insert(folded);
        failed = !insertKeyword(row.name, row.remark);
        ++result.added;
    }
    if (failed) {
        rollbackChange();
        return {Outcome::Failed, 0, 0};
    }
    result.outcome = commitChange() ? Outcome::Saved : Outcome::NotSaved;
    return result;
}

bool KeywordStore::commitChange()
{
    if (m_store.commit())
        return true;
    m_store.rollback();
    return false;
}

void KeywordStore::rollbackChange()
{
    m_store.rollback();
}

} // namespace keywords
