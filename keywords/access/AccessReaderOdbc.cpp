// The Access reader on Windows: the Access ODBC driver, through Qt SQL's ODBC driver, read-only.
#include "keywords/access/AccessReader.h"

#include "keywords/KeywordSchema.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>


#include <qt_windows.h>
#include <sql.h>
#include <sqlext.h>

namespace keywords {

namespace {

// The Access Database Engine's driver first (64-bit programs need it); the old Jet driver that
// 32-bit Windows carries after it.
const QStringList kAccessDrivers = {
    QStringLiteral("Microsoft Access Driver (*.mdb, *.accdb)"),
    QStringLiteral("Microsoft Access Driver (*.mdb)"),
};

QStringList installedOdbcDrivers()
{
    QStringList drivers;
    SQLHENV environment = SQL_NULL_HENV;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &environment)))
        return drivers;
    SQLSetEnvAttr(environment, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    SQLWCHAR name[512];
    SQLWCHAR attributes[2048];
    SQLSMALLINT nameLength = 0;
    SQLSMALLINT attributesLength = 0;
    SQLUSMALLINT direction = SQL_FETCH_FIRST;
    while (SQL_SUCCEEDED(SQLDriversW(environment, direction, name, SQLSMALLINT(std::size(name)), &nameLength,
                                     attributes, SQLSMALLINT(std::size(attributes)), &attributesLength))) {
        drivers.append(QString::fromWCharArray(reinterpret_cast<wchar_t *>(name)));
        direction = SQL_FETCH_NEXT;
    }
    SQLFreeHandle(SQL_HANDLE_ENV, environment);
    return drivers;
}

QString accessDriver()
{
    const QStringList installed = installedOdbcDrivers();
    for (const QString &driver : kAccessDrivers) {
        if (installed.contains(driver, Qt::CaseInsensitive))
            return driver;
    }
    return {};
}

// Under Wine the driver is a Linux program that knows no drive letters; it is given the file's
// Linux path. On Windows this is the path itself.
QString pathForDriver(const QString &path)
{
    const QString native = QDir::toNativeSeparators(QDir(path).absolutePath());
    using ToUnix = char *(CDECL *)(LPCWSTR);
    static const auto toUnix = reinterpret_cast<ToUnix>(
        reinterpret_cast<void *>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    if (!toUnix)
        return native;
    char *unixPath = toUnix(reinterpret_cast<LPCWSTR>(native.utf16()));
    if (!unixPath)
        return native;
    const QString result = QString::fromUtf8(unixPath);
    HeapFree(GetProcessHeap(), 0, unixPath);
    return result;
}

// ODBC gives nulls as null values; an empty text counts as none, as the Linux reader gives it.
QVariant textValue(const QVariant &value)
{
    const QString text = value.toString();
    return value.isNull() || text.isEmpty() ? QVariant() : QVariant(text);
}

AccessKeywords readWith(QSqlDatabase &database)
{
    AccessKeywords result;
    if (!database.open())
        return result;
    result.status = AccessKeywords::Status::NoKeywordTable;
    QSqlQuery query(database);
    query.setForwardOnly(true);
    if (!query.exec(KeywordSchema::selectAllFromAccess()))
        return result;
    const QSqlRecord columns = query.record();
    const int idColumn = columns.indexOf(KeywordSchema::idColumn());
    const int nameColumn = columns.indexOf(KeywordSchema::nameColumn());
    const int remarkColumn = columns.indexOf(KeywordSchema::remarkColumn());
    if (nameColumn < 0)
        return result;
    while (query.next()) {
        result.rows.append({idColumn < 0 ? QVariant() : accessKeywordId(query.value(idColumn).toString()),
                            textValue(query.value(nameColumn)),
                            remarkColumn < 0 ? QVariant() : textValue(query.value(remarkColumn))});
    }
    if (query.lastError().isValid())
        return {AccessKeywords::Status::CannotOpen, {}};
    result.status = AccessKeywords::Status::Read;
    return result;
}

} // namespace

bool accessReaderAvailable()
{
    return QSqlDatabase::isDriverAvailable(QStringLiteral("QODBC")) && !accessDriver().isEmpty();
}

AccessKeywords readAccessKeywords(const QString &path)
{
    const QString driver = accessDriver();
    if (driver.isEmpty() || !QSqlDatabase::isDriverAvailable(QStringLiteral("QODBC")))
        return {AccessKeywords::Status::NotAvailable, {}};

    AccessKeywords result;
    const QString connection = QStringLiteral("access-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QODBC"), connection);
        // Read-only and shared: the original stays exactly as it was.
        database.setDatabaseName(QStringLiteral("DRIVER={%1};DBQ=%2;ReadOnly=1;Exclusive=0;")
                                     .arg(driver, pathForDriver(path)));
        database.setConnectOptions(QStringLiteral("SQL_ATTR_ACCESS_MODE=SQL_MODE_READ_ONLY"));
        result = readWith(database);
        database.close();
    }
    // Closed and gone before the caller renames the file: Windows keeps open files in place.
    QSqlDatabase::removeDatabase(connection);
    return result;
}

} // namespace keywords
