// Opening the keyword library: the file music.mdb found, made, converted or refused.
#include "keywords/KeywordStore.h"

#include "keywords/KeywordStoreFile.h"
#include "keywords/KeywordTexts.h"
#include "keywords/access/AccessConversion.h"

#include <QDir>

namespace keywords {

KeywordStore::KeywordStore(KeywordListModel &list, QString libraryFolder, const platform::QuitRequest &quit,
                           std::function<void(const QString &notice)> tell, int busyWaitMs)
    : m_list(list), m_libraryFolder(std::move(libraryFolder)), m_quit(quit), m_tell(std::move(tell)),
      m_busyWaitMs(busyWaitMs)
{
}

QString KeywordStore::databasePath() const
{
    return QDir(m_libraryFolder).filePath(QStringLiteral("music.mdb"));
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
        return text::accessConverted(conversion.rowCount, QDir::toNativeSeparators(conversion.backupPath))
               + (conversion.damaged ? text::accessRowsLost(conversion.unreadableRows) : QString());
    case keywords::AccessConversion::Status::Encrypted:
        return text::accessEncrypted();
    case keywords::AccessConversion::Status::Unsupported:
        return text::accessTooOld();
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

} // namespace keywords
