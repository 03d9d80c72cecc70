// Telling the keyword store's format, and writing a new store in one step.
#include "keywords/KeywordStoreFile.h"

#include "platform/sql/StoreConnection.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace keywords {

StoreFileKind inspectStoreFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return StoreFileKind::Missing;
    if (info.isDir())
        return StoreFileKind::Unreadable;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return StoreFileKind::Unreadable;
    const QByteArray head = file.read(32);
    if (head.isEmpty())
        return file.size() == 0 ? StoreFileKind::Empty : StoreFileKind::Unreadable;
    if (head.startsWith(QByteArrayLiteral("SQLite format 3\0")))
        return StoreFileKind::Sqlite;
    const QByteArray jetName = head.mid(4, 15);
    if (jetName == QByteArrayLiteral("Standard Jet DB") || jetName == QByteArrayLiteral("Standard ACE DB"))
        return StoreFileKind::Access;
    return StoreFileKind::Unknown;
}

bool isMarkedReadOnly(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && !(info.permissions() & QFileDevice::WriteOwner);
}

QString writeKeywordStoreBeside(const QString &path, const QList<KeywordRecord> &rows, QString *error)
{
    auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return QString();
    };
    QTemporaryFile temporary(path + QStringLiteral(".XXXXXX.new"));
    temporary.setAutoRemove(false);
    if (!temporary.open())
        return fail(temporary.errorString());
    const QString temporaryPath = temporary.fileName();
    temporary.close();
    // A temporary file is private to its owner; the store is an ordinary file once in place.
    QFile::setPermissions(temporaryPath, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                                             | QFileDevice::ReadOther);

    bool written = false;
    QString why;
    {
        platform::StoreConnection store;
        written = store.open(temporaryPath) && store.execute(QString::fromUtf16(kCreateKeywordTable))
                  && store.beginTransaction();
        if (written) {
            const QString insert = QStringLiteral("INSERT INTO music (编号, 歌曲名, 备注) VALUES (?, ?, ?)");
            for (const KeywordRecord &row : rows) {
                if (!store.execute(insert, {row.id, row.name, row.remark})) {
                    written = false;
                    break;
                }
            }
            if (written)
                written = store.commit();
            else
                store.rollback();
        }
        why = store.lastError();
        store.close();
    }
    if (!written) {
        QFile::remove(temporaryPath);
        return fail(why);
    }
    return temporaryPath;
}

bool createKeywordStore(const QString &path, const QList<KeywordRecord> &rows, QString *error)
{
    const StoreFileKind kind = inspectStoreFile(path);
    if (kind != StoreFileKind::Missing && kind != StoreFileKind::Empty) {
        if (error)
            *error = QStringLiteral("the file exists and is not empty");
        return false;
    }
    const QString written = writeKeywordStoreBeside(path, rows, error);
    if (written.isEmpty())
        return false;
    // An empty file holds nothing; if the move below fails the path is simply missing, as before
    // in effect.
    if (kind == StoreFileKind::Empty && !QFile::remove(path)) {
        QFile::remove(written);
        if (error)
            *error = QStringLiteral("the empty file cannot be replaced");
        return false;
    }
    if (!QFile::rename(written, path)) {
        QFile::remove(written);
        if (error)
            *error = QStringLiteral("the new file cannot be moved into place");
        return false;
    }
    return true;
}

} // namespace keywords
