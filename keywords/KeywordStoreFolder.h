// Where music.mdb is kept: beside the program when its folder is the user's to write, else in the
// user's data folder.
#pragma once

#include <QString>

namespace keywords {

// Whether a new file can be made in folder, found out by making one: permission bits say nothing
// when the program runs as root, and a read-only mount says no even to root.
bool canCreateFileIn(const QString &folder);

// Whether music.mdb may live in programFolder: never in the folder the program was installed to
// (the package manager owns it, even where root could write there), nor beside an old Access
// music.mdb marked read-only, elsewhere only where a file can be created.
bool mayKeepStoreBesideProgram(const QString &programFolder, const QString &installedProgramFolder);

// The folder for music.mdb: programFolder when besideProgram; otherwise dataFolder, made if need be.
// A music.mdb beside the program is the data folder's starting content: it is copied there once,
// when the data folder has none yet, and is itself never changed.
QString keywordStoreFolder(const QString &programFolder, const QString &dataFolder, bool besideProgram);

// keywordStoreFolder for this user: the data folder is the application's own (AppDataLocation).
QString userKeywordStoreFolder(const QString &programFolder, const QString &installedProgramFolder);

} // namespace keywords
