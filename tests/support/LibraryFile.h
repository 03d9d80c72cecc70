// Test helpers for music.mdb: write a library with chosen rows, read it back through a connection
// of the test's own (as the sqlite3 tool would), and find the Access fixtures.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <ostream>

namespace testing_support {

struct LibraryRow {
    QVariant id; // null: numbered by the database
    QVariant name;
    QVariant remark;
    friend bool operator==(const LibraryRow &a, const LibraryRow &b)
    {
        return a.id.toLongLong() == b.id.toLongLong() && a.name.isNull() == b.name.isNull()
               && a.name.toString() == b.name.toString() && a.remark.isNull() == b.remark.isNull()
               && a.remark.toString() == b.remark.toString();
    }
};
std::ostream &operator<<(std::ostream &out, const LibraryRow &row);

// A SQLite music.mdb with the program's table music and these rows, inserted in order.
void writeLibrary(const QString &path, const QList<LibraryRow> &rows);
// Rows of table music in 编号 order; empty when the file cannot be read.
QList<LibraryRow> readLibrary(const QString &path);
// Runs each statement on a connection of the test's own (as another program would), then meanwhile
// while that connection is still open; what the statements left uncommitted is then rolled back.
void runSql(const QString &path, const QStringList &statements, const std::function<void()> &meanwhile = {});
QByteArray fileBytes(const QString &path);
void writeFileBytes(const QString &path, const QByteArray &bytes);
// The path of an Access fixture file (tests/data/access), and the folder.
QString accessFixture(const QString &name);

} // namespace testing_support
