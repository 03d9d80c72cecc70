// music.mdb helpers for the tests.
#include "tests/support/LibraryFile.h"
#include "keywords/KeywordSchema.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QUuid>

namespace testing_support {

namespace {
// Runs body on a connection of its own to path, then removes that connection.
template<typename Body> void withConnection(const QString &path, Body body)
{
    const QString name = QUuid::createUuid().toString();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (db.open())
            body(db);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}
} // namespace

std::ostream &operator<<(std::ostream &out, const LibraryRow &row)
{
    auto show = [](const QVariant &v) { return v.isNull() ? std::string("NULL") : v.toString().toStdString(); };
    return out << '{' << show(row.id) << ", " << show(row.name) << ", " << show(row.remark) << '}';
}

void writeLibrary(const QString &path, const QList<LibraryRow> &rows)
{
    withConnection(path, [&](QSqlDatabase &db) {
        QSqlQuery query(db);
        query.exec(keywords::KeywordSchema::createTable());
        db.transaction();
        query.prepare(keywords::KeywordSchema::insertRow());
        for (const LibraryRow &row : rows) {
            query.addBindValue(row.id);
            query.addBindValue(row.name);
            query.addBindValue(row.remark);
            query.exec();
        }
        db.commit();
    });
}

QList<LibraryRow> readLibrary(const QString &path)
{
    QList<LibraryRow> rows;
    if (!QFile::exists(path))
        return rows;
    withConnection(path, [&](QSqlDatabase &db) {
        QSqlQuery query(db);
        query.exec(QStringLiteral("SELECT 编号, 歌曲名, 备注 FROM music ORDER BY 编号"));
        while (query.next())
            rows.append({query.value(0), query.value(1), query.value(2)});
    });
    return rows;
}

void runSql(const QString &path, const QStringList &statements, const std::function<void()> &meanwhile)
{
    withConnection(path, [&](QSqlDatabase &db) {
        for (const QString &statement : statements)
            QSqlQuery(db).exec(statement);
        if (meanwhile)
            meanwhile();
    });
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFileBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QString accessFixture(const QString &name)
{
    return QStringLiteral(KORVIA_ACCESS_FIXTURES "/") + name;
}

} // namespace testing_support
