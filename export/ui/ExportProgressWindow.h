// 窗口_导出进度: the small window with a progress bar shown while the workbook is written.
#pragma once

#include <QWidget>

class QProgressBar;

namespace exporting {

class ExportProgressWindow : public QWidget {
    Q_OBJECT
public:
    // Owned by the main window, not modal; deletes itself when the user closes it.
    explicit ExportProgressWindow(QWidget *owner);

    QProgressBar *bar() const { return m_bar; } // 进度条1

private:
    QProgressBar *m_bar;
};

} // namespace exporting
