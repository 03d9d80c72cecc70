// Prompts answered by the test.
#include "tests/support/ScriptedPrompts.h"

namespace testing_support {

int ScriptedPrompts::messageBox(QWidget *, const QString &text, unsigned style, const QString &title)
{
    messages.append({text, style, title});
    if (!m_messageActions.empty()) {
        auto action = std::move(m_messageActions.front());
        m_messageActions.pop_front();
        if (action)
            action();
    }
    if (!m_messageAnswers.empty()) {
        const int answer = m_messageAnswers.front();
        m_messageAnswers.pop_front();
        return answer;
    }
    return (style & platform::mb::ButtonMask) == platform::mb::YesNo ? platform::mb::IdNo : platform::mb::IdOk;
}

std::optional<platform::FileChoice> ScriptedPrompts::chooseFile(QWidget *, const platform::FileDialogSettings &settings)
{
    dialogs.append(settings);
    if (m_fileAnswers.empty())
        return std::nullopt;
    const FileAnswer answer = m_fileAnswers.front();
    m_fileAnswers.pop_front();
    if (!answer.confirmed)
        return std::nullopt;
    return platform::FileChoice(answer.path, answer.filterIndex);
}

std::ostream &operator<<(std::ostream &out, const Message &m)
{
    return out << '{' << m.text.toStdString() << ", " << m.style << ", "
               << (m.title.isNull() ? std::string("(none)") : m.title.toStdString()) << '}';
}

QStringList ScriptedPrompts::messageTexts() const
{
    QStringList texts;
    for (const Message &message : messages)
        texts << message.text;
    return texts;
}

} // namespace testing_support
