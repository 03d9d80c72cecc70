// The program's pictures: the application icon and the toolbar pictures, drawn in code.
#pragma once

#include <QIcon>

namespace app {

enum class ToolbarPicture { Import, ExportWorkbook, ExportCodes, Help, About, Update, Quit };

QIcon applicationIcon();
QIcon toolbarIcon(ToolbarPicture picture);

} // namespace app
