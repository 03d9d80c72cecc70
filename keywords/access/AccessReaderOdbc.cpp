// The Access reader on Windows: the Access ODBC driver through the plain ODBC API, read-only. One
// forward pass over one table needs no statement attributes, so any Access driver serves, the
// one Windows carries as well as mdbtools' under Wine.
#include "keywords/access/AccessReader.h"

#include "keywords/KeywordSchema.h"

#include <QDir>

#include <qt_windows.h>
#include <sql.h>
#include <sqlext.h>

#include <algorithm>
#include <array>

namespace keywords {

namespace {

// The Access Database Engine's driver first (64-bit programs need it); the old Jet driver that
// 32-bit Windows carries after it.
const QStringList kAccessDrivers = {
    QStringLiteral("Microsoft Access Driver (*.mdb, *.accdb)"),
    QStringLiteral("Microsoft Access Driver (*.mdb)"),
};

// The columns read from the keyword table, by position in KeywordRecord.
const std::array<QString, 3> kKeywordColumns = {KeywordSchema::idColumn(), KeywordSchema::nameColumn(),
                                                KeywordSchema::remarkColumn()};
constexpr int kIdColumn = 0;
constexpr int kNameColumn = 1;
constexpr int kRemarkColumn = 2;

const SQLWCHAR *wide(const QString &text)
{
    return reinterpret_cast<const SQLWCHAR *>(text.utf16());
}

QString fromWide(const SQLWCHAR *text, qsizetype length)
{
    return QString(reinterpret_cast<const QChar *>(text), length);
}

// An ODBC handle freed with its kind; a connection is closed first.
struct OdbcHandle {
    SQLSMALLINT kind = 0;
    SQLHANDLE handle = SQL_NULL_HANDLE;
    bool connected = false;

    OdbcHandle(SQLSMALLINT handleKind, SQLHANDLE parent) : kind(handleKind)
    {
        if (!SQL_SUCCEEDED(SQLAllocHandle(kind, parent, &handle)))
            handle = SQL_NULL_HANDLE;
    }
    ~OdbcHandle()
    {
        if (connected)
            SQLDisconnect(handle);
        if (handle != SQL_NULL_HANDLE)
            SQLFreeHandle(kind, handle);
    }
    OdbcHandle(const OdbcHandle &) = delete;
    OdbcHandle &operator=(const OdbcHandle &) = delete;
    explicit operator bool() const { return handle != SQL_NULL_HANDLE; }
};

// An environment for ODBC 3 calls.
struct OdbcEnvironment : OdbcHandle {
    OdbcEnvironment() : OdbcHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE)
    {
        if (handle != SQL_NULL_HANDLE)
            SQLSetEnvAttr(handle, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    }
};

QStringList installedOdbcDrivers()
{
    QStringList drivers;
    const OdbcEnvironment environment;
    if (!environment)
        return drivers;
    SQLWCHAR name[512];
    SQLWCHAR attributes[2048];
    SQLSMALLINT nameLength = 0;
    SQLSMALLINT attributesLength = 0;
    SQLUSMALLINT direction = SQL_FETCH_FIRST;
    while (SQL_SUCCEEDED(SQLDriversW(environment.handle, direction, name, SQLSMALLINT(std::size(name)),
                                     &nameLength, attributes, SQLSMALLINT(std::size(attributes)),
                                     &attributesLength))) {
        drivers.append(fromWide(name, qMin<qsizetype>(nameLength, std::size(name) - 1)));
        direction = SQL_FETCH_NEXT;
    }
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

// The result column (from 1) of each keyword column, 0 where the table lacks it.
std::array<SQLUSMALLINT, 3> findKeywordColumns(SQLHSTMT statement)
{
    std::array<SQLUSMALLINT, 3> found = {};
    SQLSMALLINT count = 0;
    if (!SQL_SUCCEEDED(SQLNumResultCols(statement, &count)))
        return found;
    for (SQLUSMALLINT column = 1; column <= SQLUSMALLINT(count); ++column) {
        SQLWCHAR name[256];
        SQLSMALLINT nameLength = 0;
        SQLSMALLINT type = 0;
        SQLULEN size = 0;
        SQLSMALLINT decimals = 0;
        SQLSMALLINT nullable = 0;
        if (!SQL_SUCCEEDED(SQLDescribeColW(statement, column, name, SQLSMALLINT(std::size(name)), &nameLength, &type,
                                           &size, &decimals, &nullable)))
            continue;
        const QString columnName = fromWide(name, qMin<qsizetype>(nameLength, std::size(name) - 1));
        for (size_t i = 0; i < kKeywordColumns.size(); ++i) {
            if (found[i] == 0 && columnName.compare(kKeywordColumns[i], Qt::CaseInsensitive) == 0)
                found[i] = column;
        }
    }
    return found;
}

// One value of the current row as text, fetched piece by piece; a null and an empty text both
// count as none, as the Linux reader gives them. False when the driver fails.
bool readText(SQLHSTMT statement, SQLUSMALLINT column, QVariant &value)
{
    QString text;
    SQLWCHAR piece[2048];
    for (;;) {
        SQLLEN size = 0;
        const SQLRETURN result = SQLGetData(statement, column, SQL_C_WCHAR, piece, sizeof piece, &size);
        if (result == SQL_NO_DATA)
            break;
        if (!SQL_SUCCEEDED(result))
            return false;
        if (size == SQL_NULL_DATA)
            break;
        // A piece that did not fit ends in a terminator the driver wrote in its last place.
        const qsizetype whole = std::size(piece) - 1;
        const qsizetype length = size == SQL_NO_TOTAL ? whole : qMin<qsizetype>(size / sizeof(SQLWCHAR), whole);
        text += fromWide(piece, length);
        if (result == SQL_SUCCESS)
            break;
    }
    value = text.isEmpty() ? QVariant() : QVariant(text);
    return true;
}

AccessKeywords readKeywordTable(SQLHDBC connection)
{
    AccessKeywords result;
    result.status = AccessKeywords::Status::NoKeywordTable;
    OdbcHandle statement(SQL_HANDLE_STMT, connection);
    const QString query = KeywordSchema::selectAllFromAccess();
    if (!statement || !SQL_SUCCEEDED(SQLExecDirectW(statement.handle, const_cast<SQLWCHAR *>(wide(query)), SQL_NTS)))
        return result;
    const std::array<SQLUSMALLINT, 3> columns = findKeywordColumns(statement.handle);
    if (columns[kNameColumn] == 0)
        return result;

    // Drivers hand out a row's values in column order only.
    std::array<int, 3> inColumnOrder = {kIdColumn, kNameColumn, kRemarkColumn};
    std::sort(inColumnOrder.begin(), inColumnOrder.end(), [&](int a, int b) { return columns[a] < columns[b]; });
    SQLRETURN fetched;
    while ((fetched = SQLFetch(statement.handle)) != SQL_NO_DATA) {
        std::array<QVariant, 3> values;
        bool ok = SQL_SUCCEEDED(fetched);
        for (int i : inColumnOrder) {
            if (ok && columns[i] != 0)
                ok = readText(statement.handle, columns[i], values[i]);
        }
        if (!ok)
            return {AccessKeywords::Status::CannotOpen, {}};
        result.rows.append({accessKeywordId(values[kIdColumn].toString()), values[kNameColumn], values[kRemarkColumn]});
    }
    result.status = AccessKeywords::Status::Read;
    return result;
}

} // namespace

bool accessReaderAvailable()
{
    return !accessDriver().isEmpty();
}

AccessKeywords readAccessKeywords(const QString &path)
{
    const QString driver = accessDriver();
    if (driver.isEmpty())
        return {AccessKeywords::Status::NotAvailable, {}};

    const OdbcEnvironment environment;
    if (!environment)
        return {};
    OdbcHandle connection(SQL_HANDLE_DBC, environment.handle);
    if (!connection)
        return {};
    // Read-only and shared: the original stays exactly as it was. A driver that does not know the
    // attribute still has ReadOnly in the connection string.
    SQLSetConnectAttrW(connection.handle, SQL_ATTR_ACCESS_MODE, reinterpret_cast<SQLPOINTER>(SQL_MODE_READ_ONLY), 0);
    const QString connectionString =
        QStringLiteral("DRIVER={%1};DBQ=%2;ReadOnly=1;Exclusive=0;").arg(driver, pathForDriver(path));
    SQLWCHAR completed[1024];
    SQLSMALLINT completedLength = 0;
    if (!SQL_SUCCEEDED(SQLDriverConnectW(connection.handle, nullptr, const_cast<SQLWCHAR *>(wide(connectionString)),
                                         SQL_NTS, completed, SQLSMALLINT(std::size(completed)), &completedLength,
                                         SQL_DRIVER_NOPROMPT)))
        return {};
    connection.connected = true;
    // The statement and the connection are closed on return, before the caller renames the file:
    // Windows keeps open files in place.
    return readKeywordTable(connection.handle);
}

} // namespace keywords
