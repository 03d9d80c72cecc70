// The keyword library in music.mdb.
#include "keywords/KeywordStore.h"

#include "keywords/KeywordListModel.h"
#include "keywords/KeywordMatcher.h"
#include "keywords/KeywordSchema.h"
#include "keywords/KeywordStoreFile.h"
#include "keywords/KeywordTexts.h"
#include "keywords/access/AccessConversion.h"
#include "platform/Events.h"
#include "platform/Prompts.h"
#include "platform/QuitRequest.h"

#include <QDir>
#include <QSet>

#include <optional>

namespace keywords {

KeywordStore::KeywordStore(KeywordListModel &list, QString programFolder, const platform::QuitRequest &quit,
                           platform::Prompts &prompts, QWidget *dialogParent, int busyWaitMs)
    : m_list(list), m_programFolder(std::move(programFolder)), m_quit(quit), m_prompts(prompts),
      m_dialogParent(dialogParent), m_busyWaitMs(busyWaitMs)
{
}

QString KeywordStore::databasePath() const
{
    return QDir(m_programFolder).filePath(QStringLiteral("music.mdb"));
}

QString KeywordStore::OpenKeywordDatabase()
{
    const QString path = databasePath();
    bool usable = false;
    QString notice = prepareStoreFile(path, &usable);
    if (usable) {
        const QString openNotice = openStore(path);
        if (!openNotice.isEmpty())
            notice = openNotice;
    }
    LoadKeywordList();
    if (m_store.isOpen() && m_inUse) {
        // Not damaged, only busy: the next keyword command reads it again.
        notice = text::inUse();
    } else if (m_store.isOpen() && m_lastLoadFailed) {
        m_changes = Changes::Refused;
        notice = text::damaged();
    }
    return notice;
}

QString KeywordStore::prepareStoreFile(const QString &path, bool *usable)
{
    using keywords::StoreFileKind;
    *usable = false;
    switch (keywords::inspectStoreFile(path)) {
    case StoreFileKind::Missing:
        // A new, empty library, so that the first add has somewhere to go.
        *usable = keywords::createKeywordStore(path, {});
        return *usable ? QString() : text::cannotCreate();
    case StoreFileKind::Empty:
        *usable = keywords::createKeywordStore(path, {});
        return *usable ? QString() : text::damaged();
    case StoreFileKind::Sqlite:
        *usable = true;
        return {};
    case StoreFileKind::Access:
        break;
    case StoreFileKind::Unreadable:
    case StoreFileKind::Unknown:
        return text::damaged();
    }

    const keywords::AccessConversion conversion = keywords::convertAccessStore(path);
    switch (conversion.status) {
    case keywords::AccessConversion::Status::Converted:
        *usable = true;
        return text::accessConverted(conversion.rowCount, QDir::toNativeSeparators(conversion.backupPath));
    case keywords::AccessConversion::Status::NotAvailable:
        return text::accessWithoutReader();
    case keywords::AccessConversion::Status::CannotRead:
    case keywords::AccessConversion::Status::NoKeywordTable:
        return text::accessUnreadable();
    case keywords::AccessConversion::Status::CannotWrite:
        return text::accessNotConverted();
    }
    return {};
}

QString KeywordStore::openStore(const QString &path)
{
    const bool readOnly = keywords::isMarkedReadOnly(path);
    using Access = platform::StoreConnection::Access;
    if (!m_store.open(path, readOnly ? Access::ReadOnly : Access::ReadWrite, m_busyWaitMs))
        return text::damaged();
    m_changes = readOnly ? Changes::ReadOnly : Changes::Allowed;
    return readOnly ? text::readOnly() : QString();
}

void KeywordStore::LoadKeywordList()
{
    if (m_loading) {
        runWhenListReady([this] { LoadKeywordList(); });
        return;
    }
    m_loading = true;
    m_list.clear();
    {
        platform::StoreRows rows = m_store.query(KeywordSchema::selectAllByName());
        const int idColumn = rows.column(KeywordSchema::idColumn());
        const int nameColumn = rows.column(KeywordSchema::nameColumn());
        const int remarkColumn = rows.column(KeywordSchema::remarkColumn());
        platform::EventPump pump(m_quit);
        while (rows.next()) {
            if (!pump.tick())
                break;
            // A row whose 编号 is no number cannot be deleted by it and is left out.
            const std::optional<qint64> id = KeywordSchema::keywordNumber(rows.value(idColumn));
            if (!id)
                continue;
            // A database null shows as an empty text.
            m_list.appendRow({*id, rows.value(nameColumn).toString(), rows.value(remarkColumn).toString()});
        }
        // A table without the key or the name columns is not a keyword library.
        m_lastLoadFailed = rows.failed() || idColumn < 0 || nameColumn < 0;
        m_inUse = rows.busy();
    }
    // The query keeps the library's own order; the list shows the names as a Chinese reader looks them up.
    m_list.sortByPinyin();
    m_loading = false;
    runWaitingCommands();
}

void KeywordStore::runWhenListReady(std::function<void()> command)
{
    if (m_loading) {
        m_waitingCommands.push_back(std::move(command));
        return;
    }
    if (!m_inUse) {
        command();
        return;
    }
    // The other program may be done by now: read the library again, then run the command first
    // among those that wait for the load.
    m_waitingCommands.push_back([this, command = std::move(command)] {
        namespace mb = platform::mb;
        if (m_inUse)
            m_prompts.messageBox(m_dialogParent, text::inUse(), mb::Ok | mb::IconInformation, QString());
        else
            command();
    });
    LoadKeywordList();
}

void KeywordStore::runWaitingCommands()
{
    // A command may start a load of its own; the rest then wait for that one. Once the program is
    // ending, none of them runs.
    if (m_quit.isRequested())
        m_waitingCommands.clear();
    while (!m_loading && !m_waitingCommands.empty()) {
        std::function<void()> command = std::move(m_waitingCommands.front());
        m_waitingCommands.pop_front();
        command();
    }
}

QString KeywordStore::refusal() const
{
    switch (m_changes) {
    case Changes::Allowed:
        return {};
    case Changes::ReadOnly:
        return text::readOnly();
    case Changes::Refused:
        break;
    }
    return text::unavailable();
}

QString KeywordStore::storedName(const QString &keyword)
{
    platform::StoreRows rows = m_store.query(KeywordSchema::selectByName(), {keyword});
    return rows.next() ? rows.value(rows.column(KeywordSchema::nameColumn())).toString() : QString();
}

bool KeywordStore::beginChange()
{
    return m_store.beginTransaction();
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
        names.insert(foldAsciiLetters(stored.value(nameColumn).toString()));
    bool failed = stored.failed();
    stored.close();
    for (const KeywordRow &row : rows) {
        if (failed)
            break;
        const QString folded = foldAsciiLetters(row.name);
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
