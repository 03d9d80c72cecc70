// A shell that records what it was asked to open instead of starting anything.
#pragma once

#include "platform/Shell.h"

#include <QStringList>

namespace testing_support {

class RecordingShell final : public platform::Shell {
public:
    bool openDocument(const QString &path) override
    {
        documents << path;
        return true;
    }
    bool openAddress(const QString &address) override
    {
        addresses << address;
        return true;
    }
    QStringList documents;
    QStringList addresses;
};

} // namespace testing_support
