// The real main window on a temporary program folder, with prompts and shell answered by the test.
#pragma once

#include "app/MainWindow.h"
#include "tests/support/RecordingShell.h"
#include "tests/support/ScriptedPrompts.h"

#include <QTemporaryDir>
#include <memory>

namespace testing_support {

struct TestWindow {
    // siteAddress defaults to a closed local port, so the online check fails at once.
    explicit TestWindow(QString siteAddress = QStringLiteral("http://127.0.0.1:9"), bool runStartup = true,
                        int statisticsVisitMs = 5000, int keywordLockWaitMs = 5000);

    QString path(const QString &name) const { return folder.filePath(name); }
    QString writeFile(const QString &name, const QByteArray &bytes) const;
    template<typename T> T *find(const QString &name) const { return window->findChild<T *>(name); }
    // Triggers the toolbar entry with this caption, as a click would.
    void clickToolbar(const QString &caption);

    QTemporaryDir folder;
    ScriptedPrompts prompts;
    RecordingShell shell;
    std::unique_ptr<app::MainWindow> window;
};

// Encodes text as GBK, the encoding of every file the program reads and writes.
QByteArray gbk(const QString &text);

} // namespace testing_support
