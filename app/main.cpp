// Program start: the main window, its start-up sequence and the event loop.
#include "app/MainWindow.h"
#include "platform/Files.h"
#include "platform/QtPrompts.h"
#include "platform/Shell.h"
#include "platform/Translations.h"
#include "keywords/KeywordStoreFolder.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Korvia8位编码导出工具"));
    QApplication::setApplicationVersion(QStringLiteral(KORVIA_VERSION));
    platform::installChineseTranslations(application);

    platform::QtPrompts prompts;
    platform::DesktopShell shell;
    // Desktops match the window to the installed desktop entry and its icon by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(KORVIA_APP_ID));
    const QString programFolder = platform::programFolder();
    app::MainWindow window({.programFolder = programFolder,
                            .siteAddress = QStringLiteral(KORVIA_SITE_URL),
                            .supportEmail = QStringLiteral(KORVIA_SUPPORT_EMAIL),
                            .prompts = prompts,
                            .shell = shell,
                            .keywordFolder = keywords::userKeywordStoreFolder(
                                programFolder, QStringLiteral(KORVIA_INSTALLED_BINDIR))});
    return window.runEventLoop();
}
