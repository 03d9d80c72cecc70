// Choosing the keyword store's folder and seeding a new data folder from the program folder.
#include "keywords/KeywordStoreFolder.h"

#include "keywords/KeywordStoreFile.h"
#include "platform/Files.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace keywords {

namespace {

const QString kStoreName = QStringLiteral("music.mdb");

// Copies the seed into place in one step, as a new file of the user's: a read-only mark or the
// owner of the seed does not come along.
void copySeed(const QString &seed, const QString &target)
{
    const QByteArray bytes = platform::readWholeFile(seed);
    if (bytes.isEmpty())
        return;
    QSaveFile file(target);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size())
        file.commit();
}

} // namespace

bool canCreateFileIn(const QString &folder)
{
    if (!QFileInfo(folder).isDir())
        return false;
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".write-probe-XXXXXX")));
    return probe.open();
}

bool mayKeepStoreBesideProgram(const QString &programFolder, const QString &installedProgramFolder)
{
    const QString program = QFileInfo(programFolder).canonicalFilePath();
    if (!program.isEmpty() && program == QFileInfo(installedProgramFolder).canonicalFilePath())
        return false;
    // Converting an old Access library moves it aside; one marked read-only is left where and as it
    // is, as in a read-only folder, and converted from a copy in the data folder.
    const QString store = QDir(programFolder).filePath(kStoreName);
    if (isMarkedReadOnly(store) && inspectStoreFile(store) == StoreFileKind::Access)
        return false;
    return canCreateFileIn(programFolder);
}

QString keywordStoreFolder(const QString &programFolder, const QString &dataFolder, bool besideProgram)
{
    if (besideProgram)
        return programFolder;
    // A folder that cannot be made is reported by the keyword library when it cannot create its store.
    QDir().mkpath(dataFolder);
    const QString target = QDir(dataFolder).filePath(kStoreName);
    const QString seed = QDir(programFolder).filePath(kStoreName);
    if (!QFileInfo::exists(target) && QFileInfo(seed).isFile())
        copySeed(seed, target);
    return dataFolder;
}

QString userKeywordStoreFolder(const QString &programFolder, const QString &installedProgramFolder)
{
    return keywordStoreFolder(programFolder, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
                              mayKeepStoreBesideProgram(programFolder, installedProgramFolder));
}

} // namespace keywords
