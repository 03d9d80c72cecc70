// The toolbar 工具条_顶部: nine entries, pictures above captions, each command an action of its own.
#pragma once

#include <QString>

class QAction;
class QToolBar;
class QWidget;

namespace app {

namespace caption {
inline const QString Import = QStringLiteral("导入8位编码");
inline const QString ExportWorkbook = QStringLiteral("导出明细Excel");
inline const QString ExportCodes = QStringLiteral("导出8位编码");
inline const QString Help = QStringLiteral("帮助");
inline const QString About = QStringLiteral("关于");
inline const QString Update = QStringLiteral("检查更新");
inline const QString Quit = QStringLiteral("退出");
} // namespace caption

// The toolbar and its seven commands; the two separators run nothing.
struct Toolbar {
    QToolBar *bar = nullptr;
    QAction *importSearchFile = nullptr;
    QAction *exportWorkbook = nullptr;
    QAction *exportCodes = nullptr;
    QAction *help = nullptr;
    QAction *about = nullptr;
    QAction *update = nullptr;
    QAction *quit = nullptr;
};

Toolbar buildToolbar(QWidget *window);

} // namespace app
