// The real main window started on a music.mdb the test prepared, with the keyword controls at hand.
#pragma once

#include "tests/support/LibraryFile.h"
#include "tests/support/TestWindow.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <functional>
#include <ostream>

namespace ui { class ClickableLabel; }

namespace testing_support {


struct KeywordWindow {
    // prepare runs on the program folder before the start-up sequence (write music.mdb there); the
    // test starts the window itself when startNow is false.
    explicit KeywordWindow(const std::function<void(KeywordWindow &)> &prepare = {}, bool startNow = true);
    // Starts with a library holding these rows.
    explicit KeywordWindow(const QList<LibraryRow> &rows);

    QString library() const { return t.path(QStringLiteral("music.mdb")); }
    void start() { t.window->runStartupSequence(); }

    // The keyword list as shown: column 0 and column 1 texts, and the item data of each row.
    QStringList names() const;
    QStringList remarks() const;
    QList<qint64> ids() const;
    int selectedKeyword() const;
    void selectKeyword(int row); // by a mouse click on the row
    int selectedSong() const;
    Message message(int i) const; // the i-th message shown; empty when there was none

    void press(const QString &labelName); // a left-button press on a transparent label
    void click(const QString &buttonName);
    // Imports songs of these names, or of these rows (cells in column order), as a dropped file.
    void addSongs(const QStringList &names);
    void addSongRows(const QList<QStringList> &rows);
    // Opens the add panel by its label, fills it in and clicks 按钮5.
    void addKeyword(const QString &keyword, const QString &note = QString());

    // Another program's lock on the library is waited for only briefly.
    TestWindow t{QStringLiteral("http://127.0.0.1:9"), false, 5000, 200};
    QTreeView *list = nullptr;
    QLineEdit *name = nullptr;
    QLineEdit *remark = nullptr;
};

} // namespace testing_support
