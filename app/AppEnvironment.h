// What the main window is given from outside: the program folder, the web site and the seams.
#pragma once

#include <QString>

namespace platform { class Prompts; class Shell; }

namespace app {

struct AppEnvironment {
    QString programFolder;  // the shared file dialog starts here; holds music.mdb unless keywordFolder is set
    QString siteAddress;    // the maker's web site, without a trailing slash
    QString supportEmail;   // where users report faults; empty when the build names none
    platform::Prompts &prompts;
    platform::Shell &shell;
    int statisticsVisitMs = 5000; // the statistics visit's length; tests shorten it
    // Where music.mdb is kept when that is not the program folder (an installed program).
    QString keywordFolder = {};
    // How long the keyword library waits for another program's lock on it; tests shorten it.
    int keywordLockWaitMs = 5000;

    QString keywordLibraryFolder() const { return keywordFolder.isEmpty() ? programFolder : keywordFolder; }
};

} // namespace app
