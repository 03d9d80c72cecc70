// Program start: the main window, its start-up sequence and the event loop.
#include "app/MainWindow.h"
#include "platform/Files.h"
#include "platform/QtPrompts.h"
#include "platform/Shell.h"
#include "platform/Translations.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Korvia8位编码导出工具"));
    QApplication::setApplicationVersion(QStringLiteral(KORVIA_VERSION));
    platform::installChineseTranslations(application);

    platform::QtPrompts prompts;
    platform::DesktopShell shell;
    app::MainWindow window({platform::programFolder(), QStringLiteral(KORVIA_SITE_URL),
                            QStringLiteral(KORVIA_SUPPORT_EMAIL), prompts, shell});
    return window.runEventLoop();
}
