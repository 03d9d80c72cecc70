// Qt implementations of the modal prompts.
#include "platform/QtPrompts.h"

#include <QCoreApplication>
#include <algorithm>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace platform {

QString QtPrompts::defaultTitle()
{
    return QCoreApplication::applicationName();
}

QStringList QtPrompts::nameFilters(const QString &filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(u';', u' ');
        filters << parts[i] + QStringLiteral(" (") + patterns + u')';
    }
    return filters;
}

int QtPrompts::messageBox(QWidget *parent, const QString &text, unsigned style, const QString &title)
{
    QMessageBox box(parent);
    box.setWindowTitle(title.isNull() ? defaultTitle() : title);
    box.setText(text);
    switch (style & mb::IconMask) {
    case mb::IconInformation:
        box.setIcon(QMessageBox::Information);
        break;
    case mb::IconWarning:
        box.setIcon(QMessageBox::Warning);
        break;
    default:
        box.setIcon(QMessageBox::NoIcon);
    }
    if ((style & mb::ButtonMask) == mb::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.button(QMessageBox::Yes)->setText(QStringLiteral("是(&Y)"));
        box.button(QMessageBox::No)->setText(QStringLiteral("否(&N)"));
        // Closing the box without a choice counts as "No", as the Windows box does.
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? mb::IdYes : mb::IdNo;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    box.exec();
    return mb::IdOk;
}

namespace {
// The chosen files and the index of the file type chosen with them.
std::optional<std::pair<QStringList, int>> runFileDialog(QWidget *parent, const FileDialogSettings &settings,
                                                         bool many)
{
    QFileDialog dialog(parent, settings.title);
    const bool save = settings.mode == FileDialogSettings::Mode::Save;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : many ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    const QStringList filters = QtPrompts::nameFilters(settings.filter);
    dialog.setNameFilters(filters);
    if (settings.filterIndex > 0 && settings.filterIndex < filters.size())
        dialog.selectNameFilter(filters[settings.filterIndex]);
    // The extension the dialog adds to a typed name follows the file type chosen in it.
    const auto chosenFilter = [&] { return std::max(0, int(filters.indexOf(dialog.selectedNameFilter()))); };
    dialog.setDefaultSuffix(settings.extensionOf(chosenFilter()));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&] { dialog.setDefaultSuffix(settings.extensionOf(chosenFilter())); });

    const QFileInfo current(settings.fileName);
    if (current.isAbsolute())
        dialog.setDirectory(current.absolutePath());
    else if (!settings.initialFolder.isEmpty())
        dialog.setDirectory(settings.initialFolder);
    if (!settings.fileName.isEmpty())
        dialog.selectFile(current.fileName());

    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return std::pair(dialog.selectedFiles(), chosenFilter());
}
} // namespace

std::optional<FileChoice> QtPrompts::chooseFile(QWidget *parent, const FileDialogSettings &settings)
{
    if (auto chosen = runFileDialog(parent, settings, false))
        return FileChoice(chosen->first.constFirst(), chosen->second);
    return std::nullopt;
}

std::optional<QStringList> QtPrompts::chooseFiles(QWidget *parent, const FileDialogSettings &settings)
{
    if (auto chosen = runFileDialog(parent, settings, true))
        return chosen->first;
    return std::nullopt;
}

} // namespace platform
