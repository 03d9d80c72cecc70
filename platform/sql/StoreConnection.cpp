// The SQLite connection behind the keyword store.
#include "platform/sql/StoreConnection.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <atomic>

namespace platform {

namespace {
std::atomic<int> g_connectionCount{0};

QSqlDatabase database(const QString &name)
{
    return QSqlDatabase::database(name, false);
}
} // namespace

StoreRows::StoreRows() = default;
StoreRows::StoreRows(std::unique_ptr<QSqlQuery> query) : m_query(std::move(query)) {}
StoreRows::StoreRows(StoreRows &&) noexcept = default;
StoreRows &StoreRows::operator=(StoreRows &&) noexcept = default;
StoreRows::~StoreRows() = default;

bool StoreRows::next()
{
    return m_query && m_query->isActive() && m_query->next();
}

int StoreRows::column(const QString &name) const
{
    return m_query ? m_query->record().indexOf(name) : -1;
}

QVariant StoreRows::value(int column) const
{
    if (!m_query || column < 0)
        return {};
    return m_query->value(column);
}

bool StoreRows::failed() const
{
    return !m_query || m_query->lastError().isValid();
}

bool StoreRows::busy() const
{
    if (!m_query)
        return false;
    // SQLite's result code, extended codes included: SQLITE_BUSY (5) or SQLITE_LOCKED (6).
    const int primaryCode = m_query->lastError().nativeErrorCode().toInt() & 0xff;
    return primaryCode == 5 || primaryCode == 6;
}

QString StoreRows::errorText() const
{
    return m_query ? m_query->lastError().text() : QString();
}

void StoreRows::close()
{
    if (m_query)
        m_query->finish();
}

StoreConnection::StoreConnection()
    : m_name(QStringLiteral("外部数据库2#%1").arg(g_connectionCount.fetch_add(1) + 1))
{
}

StoreConnection::~StoreConnection()
{
    close();
    QSqlDatabase::removeDatabase(m_name);
}

bool StoreConnection::open(const QString &path, Access access, int busyWaitMs)
{
    close();
    QSqlDatabase db = QSqlDatabase::contains(m_name) ? database(m_name)
                                                      : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
    db.setDatabaseName(path);
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyWaitMs);
    if (access == Access::ReadOnly)
        options += QStringLiteral(";QSQLITE_OPEN_READONLY");
    db.setConnectOptions(options);
    if (!db.open()) {
        m_lastError = db.lastError().text();
        return false;
    }
    m_lastError.clear();
    return true;
}

bool StoreConnection::isOpen() const
{
    return QSqlDatabase::contains(m_name) && database(m_name).isOpen();
}

void StoreConnection::close()
{
    if (QSqlDatabase::contains(m_name))
        database(m_name).close();
}

StoreRows StoreConnection::query(const QString &sql, const QVariantList &values)
{
    if (!isOpen())
        return {};
    auto query = std::make_unique<QSqlQuery>(database(m_name));
    query->setForwardOnly(true);
    bool done = query->prepare(sql);
    if (done) {
        for (const QVariant &value : values)
            query->addBindValue(value);
        done = query->exec();
    }
    if (!done)
        m_lastError = query->lastError().text();
    return StoreRows(std::move(query));
}

bool StoreConnection::execute(const QString &sql)
{
    if (!isOpen())
        return false;
    QSqlQuery statement(database(m_name));
    if (!statement.exec(sql)) {
        noteFailure(statement.lastError());
        return false;
    }
    return true;
}

bool StoreConnection::execute(const QString &sql, const QVariantList &values)
{
    if (!isOpen())
        return false;
    QSqlQuery statement(database(m_name));
    bool done = statement.prepare(sql);
    if (done) {
        for (const QVariant &value : values)
            statement.addBindValue(value);
        done = statement.exec();
    }
    if (!done)
        noteFailure(statement.lastError());
    return done;
}

bool StoreConnection::executeEach(const QString &sql, qsizetype count,
                                  const std::function<QVariantList(qsizetype)> &valuesOf,
                                  const std::function<bool(qsizetype done)> &keepGoing)
{
    if (!isOpen())
        return false;
    QSqlQuery statement(database(m_name));
    if (!statement.prepare(sql)) {
        noteFailure(statement.lastError());
        return false;
    }
    for (qsizetype i = 0; i < count; ++i) {
        if (keepGoing && i % 1024 == 0 && !keepGoing(i))
            return false;
        const QVariantList values = valuesOf(i);
        for (qsizetype v = 0; v < values.size(); ++v)
            statement.bindValue(int(v), values[v]);
        if (!statement.exec()) {
            noteFailure(statement.lastError());
            return false;
        }
    }
    return true;
}

void StoreConnection::noteFailure(const QSqlError &error)
{
    m_lastError = error.text();
    // SQLITE_CORRUPT and SQLITE_NOTADB: the file itself is broken, waiting will not help.
    const int primaryCode = error.nativeErrorCode().toInt() & 0xff;
    m_lastFailureDamaged = primaryCode == 11 || primaryCode == 26;
}

bool StoreConnection::beginTransaction()
{
    m_lastFailureDamaged = false;
    // The write lock is taken at once, so that a store busy with another writer is found here,
    // before anything is changed, rather than at the change itself.
    return execute(QStringLiteral("BEGIN IMMEDIATE"));
}

bool StoreConnection::commit()
{
    if (!isOpen())
        return false;
    QSqlDatabase db = database(m_name);
    if (db.commit())
        return true;
    m_lastError = db.lastError().text();
    return false;
}

bool StoreConnection::rollback()
{
    return isOpen() && database(m_name).rollback();
}

} // namespace platform
