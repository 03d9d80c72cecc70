// The one-time conversion of an Access keyword library.
#include "keywords/AccessConversion.h"

#include "keywords/KeywordSchema.h"
#include "keywords/KeywordStoreFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace keywords {

namespace {

// 编号 stays what it was, by the library's rule for a number. A file made by hand may repeat a
// number or leave it empty; such rows are written last and numbered anew, after every kept number
// is taken.
QList<KeywordRecord> keepNumbersUnique(const QList<AccessKeywordRow> &rows)
{
    QList<KeywordRecord> kept;
    QList<KeywordRecord> renumbered;
    QSet<qint64> taken;
    kept.reserve(rows.size());
    for (const AccessKeywordRow &row : rows) {
        const std::optional<qint64> id = row.id.typeId() == QMetaType::QString
            ? KeywordSchema::keywordNumberInText(row.id.toString())
            : KeywordSchema::keywordNumber(row.id);
        if (id && !taken.contains(*id)) {
            taken.insert(*id);
            kept.append({qlonglong(*id), row.name, row.remark});
        } else {
            renumbered.append({QVariant(), row.name, row.remark});
        }
    }
    return kept + renumbered;
}

// Enough of a file's identity to tell that another file took its place: a file moved in, or
// rewritten, has another change time, and mostly another size and modification time too.
struct FileStamp {
    qint64 size = -1;
    QDateTime modified;
    QDateTime changed;
    QDateTime born;
    friend bool operator==(const FileStamp &, const FileStamp &) = default;
};

FileStamp stampOf(const QString &path)
{
    const QFileInfo info(path);
    return {info.size(), info.lastModified(), info.metadataChangeTime(), info.birthTime()};
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

AccessKeywords readAccessLibrary(QIODevice &device, const AccessReadLimits &limits)
{
    return readAccessKeywords(
        device,
        {KeywordSchema::table(), KeywordSchema::idColumn(), KeywordSchema::nameColumn(), KeywordSchema::remarkColumn()},
        limits);
}

AccessKeywords readAccessLibrary(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return {};
    return readAccessLibrary(file);
}

AccessConversion convertAccessStore(const QString &path, const ConversionProgress &progress)
{
    using Status = AccessConversion::Status;
    AccessConversion outcome;
    // A pipe or a device could block the open, or the reads, for ever.
    if (!QFileInfo(path).isFile())
        return outcome;
    const FileStamp stamp = stampOf(path);
    AccessKeywords read;
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return outcome;
        // Reading the rows is the first half of the work, writing them the second.
        const auto reading = [&](qint64 rows, qint64 expected) {
            return !progress || progress(rows, 2 * qMax(rows, expected));
        };
        read = readAccessLibrary(file, {.progress = reading});
    }
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
    case AccessKeywords::Status::TooLarge:
        return outcome;
    case AccessKeywords::Status::Stopped:
        outcome.status = Status::Stopped;
        return outcome;
    case AccessKeywords::Status::NoKeywordTable:
        outcome.status = Status::NoKeywordTable;
        return outcome;
    }
    // Damage that left no row at all is no library to convert: the original stays to be tried again.
    if (read.rows.isEmpty() && read.damaged)
        return outcome;

    const QList<KeywordRecord> rows = keepNumbersUnique(read.rows);
    const int rowCount = int(read.rows.size());
    read.rows = {};

    // The whole new store exists before the original moves; each move is a rename, so at every
    // moment either the original or the complete new store lies at path.
    bool stopped = false;
    const auto writing = [&](qint64 rowsWritten) {
        stopped = progress && !progress(rowCount + rowsWritten, 2 * qint64(rowCount));
        return !stopped;
    };
    const QString written = writeKeywordStoreBeside(path, rows, writing);
    if (written.isEmpty()) {
        outcome.status = stopped ? Status::Stopped : Status::CannotWrite;
        return outcome;
    }
    const auto giveUp = [&](Status status) {
        QFile::remove(written);
        outcome.status = status;
        return outcome;
    };
    if (!writing(rowCount))
        return giveUp(Status::Stopped);
    // Only the file that was read may move aside.
    if (stampOf(path) != stamp || !QFileInfo(path).isFile())
        return giveUp(Status::Changed);
    const QString backup = accessBackupPath(path);
    if (!QFile::rename(path, backup)) {
        outcome.backupPath = backup;
        return giveUp(Status::CannotMove);
    }
    if (!QFile::rename(written, path)) {
        QFile::rename(backup, path);
        return giveUp(Status::CannotWrite);
    }
    outcome.status = Status::Converted;
    outcome.rowCount = rowCount;
    outcome.backupPath = backup;
    outcome.unreadableRows = read.unreadableRows;
    outcome.damaged = read.damaged;
    return outcome;
}

} // namespace keywords
