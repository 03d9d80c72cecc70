// The progress window of the workbook export.
#include "export/ui/ExportProgressWindow.h"

#include "ui/widgets/Accessibility.h"

#include <QProgressBar>

namespace exporting {

ExportProgressWindow::ExportProgressWindow(QWidget *owner)
    : QWidget(owner, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_bar(new QProgressBar(this))
{
    ui::nameControl(this, QStringLiteral("窗口_导出进度"));
    setWindowTitle(QStringLiteral("导出中请稍候......"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(419, 87);
    if (owner)
        move(owner->geometry().topLeft() + QPoint(50, 50));

    ui::nameControl(m_bar, QStringLiteral("进度条1"), QStringLiteral("导出进度"));
    m_bar->setGeometry(8, 16, 400, 24);
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
}

} // namespace exporting
