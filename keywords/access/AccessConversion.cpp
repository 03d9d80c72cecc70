// The one-time conversion of an Access keyword library.
#include "keywords/access/AccessConversion.h"

#include "keywords/access/AccessReader.h"
#include "keywords/KeywordStoreFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace keywords {

namespace {
// 编号 stays what it was. A file made by hand may repeat a number or leave it empty; such rows
// are written last and numbered anew, after every kept number is taken.
QList<KeywordRecord> keepNumbersUnique(const QList<KeywordRecord> &rows)
{
    QList<KeywordRecord> kept;
    QList<KeywordRecord> renumbered;
    QSet<qlonglong> taken;
    for (const KeywordRecord &row : rows) {
        if (!row.id.isNull() && !taken.contains(row.id.toLongLong())) {
            taken.insert(row.id.toLongLong());
            kept.append(row);
        } else {
            renumbered.append({QVariant(), row.name, row.remark});
        }
    }
    return kept + renumbered;
}
} // namespace

QString accessBackupPath(const QString &path)
{
    const QFileInfo original(path);
    const QDir folder = original.dir();
    const QString base = original.completeBaseName();
    QString name = base + QStringLiteral(" (Access 原文件).mdb");
    for (int number = 2; QFileInfo::exists(folder.filePath(name)); ++number)
        name = base + QStringLiteral(" (Access 原文件 %1).mdb").arg(number);
    return folder.filePath(name);
}

AccessConversion convertAccessStore(const QString &path)
{
    using Status = AccessConversion::Status;
    AccessConversion outcome;
    const AccessKeywords read = readAccessKeywords(path);
    switch (read.status) {
    case AccessKeywords::Status::Read:
        break;
    case AccessKeywords::Status::Encrypted:
        outcome.status = Status::Encrypted;
        return outcome;
    case AccessKeywords::Status::Unsupported:
        outcome.status = Status::Unsupported;
        return outcome;
    case AccessKeywords::Status::CannotOpen:
        outcome.status = Status::CannotRead;
        return outcome;
    case AccessKeywords::Status::NoKeywordTable:
        outcome.status = Status::NoKeywordTable;
        return outcome;
    }

    const QList<KeywordRecord> rows = keepNumbersUnique(read.rows);

    // The whole new store exists before the original moves; each move is a rename, so at every
    // moment either the original or the complete new store lies at path.
    outcome.status = Status::CannotWrite;
    const QString written = writeKeywordStoreBeside(path, rows);
    if (written.isEmpty())
        return outcome;
    const QString backup = accessBackupPath(path);
    if (!QFile::rename(path, backup)) {
        QFile::remove(written);
        return outcome;
    }
    if (!QFile::rename(written, path)) {
        QFile::rename(backup, path);
        QFile::remove(written);
        return outcome;
    }
    outcome.status = Status::Converted;
    outcome.rowCount = int(read.rows.size());
    outcome.backupPath = backup;
    outcome.unreadableRows = read.unreadableRows;
    outcome.damaged = read.damaged;
    return outcome;
}

} // namespace keywords
