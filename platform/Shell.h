// The desktop shell: opening a document with its associated program and an address in the browser.
#pragma once

#include <QString>

namespace platform {

class Shell {
public:
    virtual ~Shell() = default;
    // Both return whether the shell accepted the request; callers may ignore it.
    virtual bool openDocument(const QString &path) = 0;
    virtual bool openAddress(const QString &address) = 0;
};

class DesktopShell final : public Shell {
public:
    bool openDocument(const QString &path) override;
    bool openAddress(const QString &address) override;
};

} // namespace platform
