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

// The status line 透明标签2.
QString status(const TestWindow &t);
// Songs 歌0, 歌1, ... with the codes 10000000, 10000001, ..., their cells in column order.
QList<QStringList> generatedSongs(int count);
// These songs, or count generated ones, straight into the table: importing this many lines would
// only slow the tests down.
void fillTable(TestWindow &t, const QList<QStringList> &songs);
void fillTable(TestWindow &t, int count);

} // namespace testing_support
