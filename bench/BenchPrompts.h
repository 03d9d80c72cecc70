// Prompts and shell for benchmarks: every dialog answered with a fixed path, every message box at once.
#pragma once

#include "platform/Prompts.h"
#include "platform/Shell.h"

namespace bench_support {

class BenchPrompts final : public platform::Prompts {
public:
    BenchPrompts() = default;
    // Answers Yes/No boxes with Yes when told to, else with No.
    explicit BenchPrompts(bool answerYes) : m_answerYes(answerYes) {}

    QString path;
    long messages = 0;
    int messageBox(QWidget *, const QString &, unsigned style, const QString &) override
    {
        ++messages;
        if ((style & platform::mb::ButtonMask) == platform::mb::YesNo)
            return m_answerYes ? platform::mb::IdYes : platform::mb::IdNo;
        return platform::mb::IdOk;
    }
    std::optional<platform::FileChoice> chooseFile(QWidget *, const platform::FileDialogSettings &) override
    {
        if (path.isEmpty())
            return std::nullopt;
        return path;
    }

private:
    bool m_answerYes = false;
};

class BenchShell final : public platform::Shell {
public:
    bool openDocument(const QString &) override { return true; }
    bool openAddress(const QString &) override { return true; }
};

} // namespace bench_support
