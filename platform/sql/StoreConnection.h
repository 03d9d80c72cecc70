// The connection to the keyword store file: queries, statements and transactions through Qt SQL's
// SQLite driver.
#pragma once

#include <QString>
#include <QVariant>

#include <functional>
#include <memory>

class QSqlError;
class QSqlQuery;

namespace platform {

// One result set, walked forward from before its first record.
class StoreRows {
public:
    StoreRows();
    explicit StoreRows(std::unique_ptr<QSqlQuery> query);
    StoreRows(StoreRows &&) noexcept;
    StoreRows &operator=(StoreRows &&) noexcept;
    ~StoreRows();

    // Moves to the next record; false past the last one, or when reading stopped on an error.
    bool next();
    // The index of a column by name, -1 when the result has no such column.
    int column(const QString &name) const;
    // The value of a column of the current record; a null QVariant for a database null or column -1.
    QVariant value(int column) const;
    // The query could not run, or the walk stopped on a read error.
    bool failed() const;
    // It failed because another connection holds a lock on the store that reading must wait for.
    bool busy() const;
    QString errorText() const;
    // Ends the result set early, releasing what the store holds for it.
    void close();

private:
    std::unique_ptr<QSqlQuery> m_query;
};

class StoreConnection {
public:
    enum class Access { ReadWrite, ReadOnly };

    // Each instance has a connection name of its own, so two windows (or a test and a window) can
    // have the same file open at once.
    StoreConnection();
    ~StoreConnection();
    StoreConnection(const StoreConnection &) = delete;
    StoreConnection &operator=(const StoreConnection &) = delete;

    // Opens the store file at path. The caller makes sure it exists: SQLite would create a missing
    // file when opening for writing. A query or statement that finds the store locked by another
    // connection waits up to busyWaitMs for it before it fails.
    bool open(const QString &path, Access access = Access::ReadWrite, int busyWaitMs = 5000);
    bool isOpen() const;
    void close();

    // Runs a query, with its '?' placeholders bound to these values in order.
    StoreRows query(const QString &sql, const QVariantList &values = {});
    // Runs one statement; true when it succeeded.
    bool execute(const QString &sql);
    // Runs one statement with '?' placeholders bound to these values, in order.
    bool execute(const QString &sql, const QVariantList &values);
    // Runs one statement, prepared once, for each of count sets of values (valuesOf(i) for i from 0),
    // stopping at the first failure, or when keepGoing, asked before every 1,024th, says no. True
    // when every one ran.
    bool executeEach(const QString &sql, qsizetype count, const std::function<QVariantList(qsizetype)> &valuesOf,
                     const std::function<bool(qsizetype done)> &keepGoing = {});
    // Starts a transaction holding the store's write lock; false when another connection writes.
    bool beginTransaction();
    bool commit();
    bool rollback();

    QString lastError() const { return m_lastError; }
    // The last failed statement found the file damaged or no store at all, rather than locked.
    bool lastFailureDamaged() const { return m_lastFailureDamaged; }
    QString connectionName() const { return m_name; }

private:
    void noteFailure(const QSqlError &error);

    QString m_name;
    QString m_lastError;
    bool m_lastFailureDamaged = false;
};

} // namespace platform
