// Telling the keyword store's format, and writing a new store in one step.
#include "keywords/KeywordStoreFile.h"

#include "keywords/KeywordSchema.h"
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
    // A folder has no bytes, and opening a pipe or a device could block for ever.
    if (!info.isFile())
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

QString writeKeywordStoreBeside(const QString &path, const QList<KeywordRecord> &rows,
                                const std::function<bool(qint64 rowsWritten)> &keepGoing)
{
    QTemporaryFile temporary(path + QStringLiteral(".XXXXXX.new"));
    temporary.setAutoRemove(false);
    if (!temporary.open())
        return {};
    const QString temporaryPath = temporary.fileName();
    temporary.close();
    // A temporary file is private to its owner; the store is an ordinary file once in place.
    QFile::setPermissions(temporaryPath, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                                             | QFileDevice::ReadOther);

    bool written = false;
    {
        platform::StoreConnection store;
        written = store.open(temporaryPath) && store.execute(KeywordSchema::createTable()) && store.beginTransaction();
        if (written) {
            written = store.executeEach(
                KeywordSchema::insertRow(), rows.size(),
                [&](qsizetype i) {
                    return QVariantList{rows[i].id, rows[i].name, rows[i].remark};
                },
                keepGoing);
            if (written)
                written = store.commit();
            else
                store.rollback();
        }
        store.close();
    }
    if (!written) {
        QFile::remove(temporaryPath);
        return {};
    }
    return temporaryPath;
}

bool createKeywordStore(const QString &path, const QList<KeywordRecord> &rows)
{
    const StoreFileKind kind = inspectStoreFile(path);
    if (kind != StoreFileKind::Missing && kind != StoreFileKind::Empty)
        return false;
    const QString written = writeKeywordStoreBeside(path, rows);
    if (written.isEmpty())
        return false;
    // An empty file holds nothing; if the move below fails the path is simply missing, as before
    // in effect.
    if ((kind == StoreFileKind::Empty && !QFile::remove(path)) || !QFile::rename(written, path)) {
        QFile::remove(written);
        return false;
    }
    return true;
}

} // namespace keywords
