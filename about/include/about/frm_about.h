#pragma once
// The solver's about box: product title, version, description, the support address and the
// system-information button.

#include <QDialog>

class QLabel;

namespace platform
{
class MessageService;
class Shell;
} // namespace platform

namespace about
{

/// The support address the e-mail label opens.
inline constexpr const char *supportAddress = "support@kovalin.example";

class FrmAbout : public QDialog
{
    Q_OBJECT
public:
    FrmAbout(platform::Shell &shell, platform::MessageService &messages, QWidget *parent = nullptr);

private:
    void lblSupport_Click(const QString &link);
    void cmdSysInfo_Click();

    platform::Shell &m_shell;
    platform::MessageService &m_messages;
};

} // namespace about
