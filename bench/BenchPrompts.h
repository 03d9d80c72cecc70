// Prompts and shell for benchmarks: every dialog answered with a fixed path, every message box at once.
#pragma once

#include "platform/Prompts.h"
#include "platform/Shell.h"

namespace bench_support {

class BenchPrompts final : public platform::Prompts {
public:
    QString path;
    int messages = 0;
    int messageBox(QWidget *, const QString &, unsigned, const QString &) override
    {
        ++messages;
        return platform::mb::IdOk;
    }
    std::optional<QString> chooseFile(QWidget *, const platform::FileDialogSettings &) override { return path; }
};

class BenchShell final : public platform::Shell {
public:
    bool openDocument(const QString &) override { return true; }
    bool openAddress(const QString &) override { return true; }
};

} // namespace bench_support
