// The modal prompts of the program (message boxes and file dialogs) behind one seam, so tests can answer them.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace platform {

// Message-box styles and answers carry the values of the Windows message-box API, so callers can
// combine them the way the program always has (Ok | IconInformation).
namespace mb {
inline constexpr unsigned Ok = 0x0;
inline constexpr unsigned YesNo = 0x4;
inline constexpr unsigned IconWarning = 0x30;
inline constexpr unsigned IconInformation = 0x40;
inline constexpr unsigned ButtonMask = 0xF;
inline constexpr unsigned IconMask = 0xF0;

inline constexpr int IdOk = 1;
inline constexpr int IdYes = 6;
inline constexpr int IdNo = 7;
} // namespace mb

struct FileDialogSettings {
    enum class Mode { Open, Save };
    Mode mode = Mode::Open;
    QString title;            // empty: the toolkit's default caption
    QString fileName;         // pre-filled name, or the full path chosen last time
    QString filter;           // "description|pattern" pairs, all joined by '|'
    QString defaultExtension; // without the dot; appended to a saved name that has none
    QString initialFolder;
    int filterIndex = 0;      // the file type selected first, counted from 0; the last one chosen

    // The extension of the file type at index ("xlsx" for "*.xlsx"), or the default extension when
    // that type names no single extension.
    QString extensionOf(int index) const;
};

// A confirmed file dialog: the full path as the dialog gave it, and the file type chosen in it.
struct FileChoice {
    FileChoice(QString chosenPath, int chosenFilter = 0) : path(std::move(chosenPath)), filterIndex(chosenFilter) {}
    QString path;
    int filterIndex = 0;
};

class Prompts {
public:
    virtual ~Prompts() = default;

    // Shows a modal message box; a null title means the toolkit's default caption. Returns mb::IdOk,
    // mb::IdYes or mb::IdNo.
    virtual int messageBox(QWidget *parent, const QString &text, unsigned style, const QString &title) = 0;

    // Shows a modal file dialog; the chosen full path and file type, or nothing when the user cancelled.
    virtual std::optional<FileChoice> chooseFile(QWidget *parent, const FileDialogSettings &settings) = 0;

    // An open dialog in which several existing files can be chosen at once; the chosen full paths,
    // or nothing when the user cancelled. Without a dialog of that kind, one file is asked for.
    virtual std::optional<QStringList> chooseFiles(QWidget *parent, const FileDialogSettings &settings)
    {
        if (std::optional<FileChoice> choice = chooseFile(parent, settings))
            return QStringList{choice->path};
        return std::nullopt;
    }
};

} // namespace platform
