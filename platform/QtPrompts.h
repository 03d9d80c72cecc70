// The real prompts: Qt's own message boxes and file dialogs.
#pragma once

#include "platform/Prompts.h"

#include <QStringList>

namespace platform {

class QtPrompts final : public Prompts {
public:
    int messageBox(QWidget *parent, const QString &text, unsigned style, const QString &title) override;
    std::optional<FileChoice> chooseFile(QWidget *parent, const FileDialogSettings &settings) override;
    std::optional<QStringList> chooseFiles(QWidget *parent, const FileDialogSettings &settings) override;

    // The default caption of a message box given no title of its own.
    static QString defaultTitle();
    // "*.txt|*.txt|Workbooks|*.xls" becomes {"*.txt (*.txt)", "Workbooks (*.xls)"}.
    static QStringList nameFilters(const QString &filter);
};

} // namespace platform
