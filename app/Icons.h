// The program's pictures: the application icon and the toolbar pictures, drawn in code.
#pragma once

#include <QIcon>

namespace app {

enum class ToolbarPicture { Import, ExportWorkbook, ExportCodes, Help, About, Update, Quit };

QIcon applicationIcon();
// The application icon's picture at size x size pixels (64 is the program's own).
QPixmap applicationIconPicture(int size);
QIcon toolbarIcon(ToolbarPicture picture);

} // namespace app
