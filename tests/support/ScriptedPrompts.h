// Prompts answered by the test: queued answers for file dialogs and message boxes, and a record of
// every prompt shown.
#pragma once

#include "platform/Prompts.h"

#include <QList>
#include <QStringList>
#include <deque>
#include <functional>
#include <ostream>

namespace testing_support {

// A message box as shown, compared in one assertion; a null title means none was given.
struct Message {
    Message() = default;
    Message(QString text, unsigned style, QString title = {}) : text(std::move(text)), style(style), title(std::move(title)) {}
    QString text;
    unsigned style = 0;
    QString title;
    friend bool operator==(const Message &a, const Message &b)
    {
        return a.text == b.text && a.style == b.style && a.title == b.title && a.title.isNull() == b.title.isNull();
    }
};
std::ostream &operator<<(std::ostream &out, const Message &m);

class ScriptedPrompts final : public platform::Prompts {
public:
    // The next file dialog returns this path and file type (or is cancelled when given std::nullopt).
    void answerFileDialog(std::optional<QString> path, int filterIndex = 0)
    {
        m_fileAnswers.push_back({path.has_value(), path.value_or(QString()), filterIndex});
    }
    // The next message box returns this answer; unanswered boxes return IdOk or, for Yes/No, IdNo.
    void answerMessageBox(int answer) { m_messageAnswers.push_back(answer); }
    // Runs while the next message box is "on screen", before it is answered.
    void whileMessageShown(std::function<void()> action) { m_messageActions.push_back(std::move(action)); }

    int messageBox(QWidget *parent, const QString &text, unsigned style, const QString &title) override;
    std::optional<platform::FileChoice> chooseFile(QWidget *parent, const platform::FileDialogSettings &settings) override;

    QList<Message> messages;
    QList<platform::FileDialogSettings> dialogs;
    QStringList messageTexts() const;

private:
    struct FileAnswer {
        bool confirmed;
        QString path;
        int filterIndex;
    };
    std::deque<FileAnswer> m_fileAnswers;
    std::deque<int> m_messageAnswers;
    std::deque<std::function<void()>> m_messageActions;
};

} // namespace testing_support
