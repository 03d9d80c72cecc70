// Files the desktop hands the program when it starts it to open them ("Open with").
#pragma once

#include <QStringList>

class QWidget;

namespace app {

// Imports each file, in order, as if it had been dropped on the song list of mainWindow.
void importOpenedFiles(QWidget &mainWindow, const QStringList &paths);

} // namespace app
