// Opening music.mdb at start and loading the keyword list from it.
#include "keywords/KeywordLibrary.h"

#include "keywords/KeywordListModel.h"
#include "keywords/KeywordSql.h"
#include "keywords/KeywordTexts.h"
#include "platform/Events.h"
#include "platform/Prompts.h"
#include "platform/QuitRequest.h"
#include "platform/store/AccessConversion.h"
#include "platform/store/KeywordStoreFile.h"

#include <QDir>

#include <cmath>
#include <optional>

namespace keywords {

namespace {

// 编号 as the list keeps it: whole numbers as they are, other numbers cut toward zero. A row whose
// 编号 is no number at all cannot be deleted by it and is left out.
std::optional<qint64> keyOf(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return value.toLongLong();
    case QMetaType::Double: {
        const double number = value.toDouble();
        if (std::isfinite(number) && std::abs(number) < 9.0e18)
            return qint64(std::trunc(number));
        return std::nullopt;
    }
    default:
        return std::nullopt;
    }
}

} // namespace

void KeywordLibrary::OpenKeywordDatabase()
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
    if (m_quit.isRequested())
        return;
    if (m_store.isOpen() && m_lastLoadFailed) {
        m_changes = Changes::Refused;
        notice = text::damaged();
    }
    if (!notice.isEmpty())
        tell(notice, platform::mb::Ok | platform::mb::IconInformation);
}

QString KeywordLibrary::prepareStoreFile(const QString &path, bool *usable)
{
    using platform::StoreFileKind;
    *usable = false;
    switch (platform::inspectStoreFile(path)) {
    case StoreFileKind::Missing:
        // A new, empty library, so that the first add has somewhere to go.
        *usable = platform::createKeywordStore(path, {});
        return *usable ? QString() : text::cannotCreate();
    case StoreFileKind::Empty:
        *usable = platform::createKeywordStore(path, {});
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

    const platform::AccessConversion conversion = platform::convertAccessStore(path);
    switch (conversion.status) {
    case platform::AccessConversion::Status::Converted:
        *usable = true;
        return text::accessConverted(conversion.rowCount, QDir::toNativeSeparators(conversion.backupPath));
    case platform::AccessConversion::Status::NotAvailable:
        return text::accessWithoutReader();
    case platform::AccessConversion::Status::CannotRead:
    case platform::AccessConversion::Status::NoKeywordTable:
        return text::accessUnreadable();
    case platform::AccessConversion::Status::CannotWrite:
        return text::accessNotConverted();
    }
    return {};
}

QString KeywordLibrary::openStore(const QString &path)
{
    const bool readOnly = platform::isMarkedReadOnly(path);
    using Access = platform::StoreConnection::Access;
    if (!m_store.open(path, readOnly ? Access::ReadOnly : Access::ReadWrite))
        return text::damaged();
    m_changes = readOnly ? Changes::ReadOnly : Changes::Allowed;
    return readOnly ? text::readOnly() : QString();
}

void KeywordLibrary::LoadKeywordList()
{
    if (m_loading) {
        runWhenListReady([this] { LoadKeywordList(); });
        return;
    }
    m_loading = true;
    m_list.clear();
    {
        platform::StoreRows rows = m_store.query(QString::fromUtf16(sql::loadKeywords));
        const int idColumn = rows.column(QStringLiteral("编号"));
        const int nameColumn = rows.column(QStringLiteral("歌曲名"));
        const int remarkColumn = rows.column(QStringLiteral("备注"));
        // The window stays responsive while a long library loads; commands that would touch the
        // list meanwhile wait (runWhenListReady).
        platform::EventPump pump(m_quit);
        while (rows.next()) {
            if (!pump.tick())
                break;
            const std::optional<qint64> id = keyOf(rows.value(idColumn));
            if (!id)
                continue;
            // A database null shows as an empty text.
            m_list.appendRow({*id, rows.value(nameColumn).toString(), rows.value(remarkColumn).toString()});
        }
        // A table without the key or the name columns is not a keyword library.
        m_lastLoadFailed = rows.failed() || idColumn < 0 || nameColumn < 0;
    }
    m_loading = false;
    runWaitingCommands();
}

} // namespace keywords
