// Opening the keyword library: the file music.mdb found, made, converted or refused.
#include "keywords/KeywordStore.h"

#include "keywords/AccessConversion.h"
#include "keywords/KeywordStoreFile.h"
#include "songs/QuitRequest.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <memory>

namespace keywords {

namespace {
// A conversion that takes longer than this shows how far it has come.
constexpr int kProgressAfterMs = 400;
} // namespace

KeywordStore::KeywordStore(KeywordListModel &list, QString libraryFolder, const songs::QuitRequest &quit,
                           std::function<void(const StoreNotice &notice)> tell, int busyWaitMs)
    : m_list(list), m_libraryFolder(std::move(libraryFolder)), m_quit(quit), m_tell(std::move(tell)),
      m_busyWaitMs(busyWaitMs)
{
}

QString KeywordStore::databasePath() const
{
    return QDir(m_libraryFolder).filePath(QStringLiteral("music.mdb"));
}

StoreNotice KeywordStore::OpenKeywordDatabase()
{
    const QString path = databasePath();
    bool usable = false;
    StoreNotice notice = prepareStoreFile(path, &usable);
    if (m_quit.isRequested())
        return {};
    if (usable) {
        const StoreNotice openNotice = openStore(path);
        if (openNotice.kind != StoreNotice::Kind::None)
            notice = openNotice;
    }
    LoadKeywordList();
    if (m_store.isOpen() && m_inUse) {
        // Not damaged, only busy: the next keyword command reads it again.
        notice = {StoreNotice::Kind::InUse};
    } else if (m_store.isOpen() && m_lastLoadFailed) {
        m_changes = Changes::Refused;
        notice = {StoreNotice::Kind::Damaged};
    }
    return notice;
}

StoreNotice KeywordStore::prepareStoreFile(const QString &path, bool *usable)
{
    using Kind = StoreNotice::Kind;
    *usable = false;
    switch (keywords::inspectStoreFile(path)) {
    case StoreFileKind::Missing:
        // A new, empty library, so that the first add has somewhere to go.
        *usable = keywords::createKeywordStore(path, {});
        return {*usable ? Kind::None : Kind::CannotCreate};
    case StoreFileKind::Empty:
        *usable = keywords::createKeywordStore(path, {});
        return {*usable ? Kind::None : Kind::Damaged};
    case StoreFileKind::Sqlite:
        *usable = true;
        return {};
    case StoreFileKind::Access:
        return convertAccessFile(path, usable);
    case StoreFileKind::Unreadable:
    case StoreFileKind::Unknown:
        break;
    }
    return {Kind::Damaged};
}

StoreNotice KeywordStore::convertAccessFile(const QString &path, bool *usable)
{
    // The conversion runs on a thread of its own while the window answers; the end of the program
    // stops it at its next row, and it then leaves the original as it was.
    std::atomic<bool> stop = false;
    std::atomic<qint64> done = 0;
    std::atomic<qint64> total = 0;
    AccessConversion conversion;
    std::unique_ptr<QThread> worker(QThread::create([&] {
        conversion = convertAccessStore(path, [&](qint64 stepsDone, qint64 steps) {
            done = stepsDone;
            total = steps;
            return !stop;
        });
    }));
    QEventLoop loop;
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    QElapsedTimer clock;
    clock.start();
    bool shown = false;
    QTimer tick;
    tick.setInterval(50);
    QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
        if (m_quit.isRequested()) {
            loop.quit();
        } else if (m_progress && clock.elapsed() >= kProgressAfterMs) {
            shown = true;
            m_progress(done, total);
        }
    });
    worker->start();
    tick.start();
    if (!m_quit.isRequested())
        loop.exec();
    stop = !worker->isFinished();
    worker->wait();
    if (shown)
        m_progress(-1, -1);

    using Kind = StoreNotice::Kind;
    using Status = AccessConversion::Status;
    switch (conversion.status) {
    case Status::Converted: {
        *usable = true;
        StoreNotice converted(Kind::AccessConverted, QDir::toNativeSeparators(conversion.backupPath));
        converted.rowCount = conversion.rowCount;
        converted.rowsLost = conversion.damaged;
        converted.unreadableRows = conversion.unreadableRows;
        return converted;
    }
    case Status::Encrypted:
        return {Kind::AccessEncrypted};
    case Status::Unsupported:
        return {Kind::AccessTooOld};
    case Status::CannotRead:
    case Status::NoKeywordTable:
        return {Kind::AccessUnreadable};
    case Status::CannotWrite:
        return {Kind::AccessNotConverted};
    case Status::CannotMove:
        return {Kind::AccessNotMoved, QDir::toNativeSeparators(path)};
    case Status::Changed:
        return {Kind::AccessChanged};
    case Status::Stopped:
        break;
    }
    return {};
}

StoreNotice KeywordStore::openStore(const QString &path)
{
    const bool readOnly = keywords::isMarkedReadOnly(path);
    using Access = platform::StoreConnection::Access;
    if (!m_store.open(path, readOnly ? Access::ReadOnly : Access::ReadWrite, m_busyWaitMs))
        return {StoreNotice::Kind::Damaged};
    m_changes = readOnly ? Changes::ReadOnly : Changes::Allowed;
    return {readOnly ? StoreNotice::Kind::ReadOnly : StoreNotice::Kind::None};
}

} // namespace keywords
