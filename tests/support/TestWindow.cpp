// The real main window for end-to-end tests.
#include "tests/support/TestWindow.h"

#include "platform/Gbk.h"

#include <QAction>
#include <QFile>
#include <QToolBar>

namespace testing_support {

TestWindow::TestWindow(QString siteAddress, bool runStartup, int statisticsVisitMs, int keywordLockWaitMs)
{
    window = std::make_unique<app::MainWindow>(app::AppEnvironment{folder.path(), std::move(siteAddress), QString(),
                                                                   prompts, shell, statisticsVisitMs, QString(),
                                                                   keywordLockWaitMs});
    window->show();
    if (runStartup)
        window->runStartupSequence();
}

QString TestWindow::writeFile(const QString &name, const QByteArray &bytes) const
{
    QFile file(path(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return file.fileName();
}

void TestWindow::clickToolbar(const QString &caption)
{
    auto *toolbar = find<QToolBar>(QStringLiteral("工具条_顶部"));
    for (QAction *action : toolbar->actions()) {
        if (action->text() == caption) {
            action->trigger();
            return;
        }
    }
}

QByteArray gbk(const QString &text)
{
    return platform::toGbk(text);
}

} // namespace testing_support
