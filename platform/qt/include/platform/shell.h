#pragma once
// Hand-offs to the desktop: opening a mail link, starting the system-information tool.

#include <QString>

namespace platform
{

class Shell
{
public:
    virtual ~Shell() = default;
    /// Opens a document or link (for example "mailto:...") with the user's default program.
    virtual bool openUrl(const QString &url) = 0;
    /// Starts the platform's system-information tool; false when there is none.
    virtual bool startSystemInformation() = 0;
};

class QtShell final : public Shell
{
public:
    bool openUrl(const QString &url) override;
    bool startSystemInformation() override;
};

} // namespace platform
