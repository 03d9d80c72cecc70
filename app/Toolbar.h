// The toolbar 工具条_顶部: nine entries, pictures above captions, dispatched by caption.
#pragma once

#include <QString>

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

QToolBar *buildToolbar(QWidget *window);

// The caption of entry index (from 0); empty for a separator or an index out of range.
QString entryCaption(const QToolBar *toolbar, int index);

} // namespace app
