#include "about/frm_about.h"

#include "about/messages.h"
#include "frontend/kit/screen_fit.h"
#include "frontend/kit/text_colours.h"
#include "platform/message_service.h"
#include "platform/shell.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace about
{
namespace
{

QLabel *label(const QString &text, const char *name)
{
    auto *out = new QLabel(text);
    out->setObjectName(QLatin1String(name));
    out->setWordWrap(true);
    return out;
}

} // namespace

FrmAbout::FrmAbout(platform::Shell &shell, platform::MessageService &messages, QWidget *parent)
    : QDialog(parent)
    , m_shell(shell)
    , m_messages(messages)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(msg::caption());
    auto *title = label(msg::productTitle(), "lblTitle");
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    title->setFont(big);
    const QString address = QLatin1String(supportAddress);
    auto *support = label(tr("Support: ") + QStringLiteral("<a href=\"mailto:") + address + QStringLiteral("\">")
            + address + QStringLiteral("</a>"),
        "lblSupport");
    support->setTextFormat(Qt::RichText);
    QPalette linked = support->palette();
    linked.setColor(QPalette::Link, frontend::readableColour(linked.color(QPalette::Link), linked));
    support->setPalette(linked);
    support->setOpenExternalLinks(false);
    connect(support, &QLabel::linkActivated, this, &FrmAbout::lblSupport_Click);

    auto *ok = new QPushButton(tr("OK"));
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto *sysInfo = new QPushButton(tr("&System Info..."));
    sysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    connect(sysInfo, &QPushButton::clicked, this, &FrmAbout::cmdSysInfo_Click);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(sysInfo);
    auto *body = new QWidget;
    auto *texts = new QVBoxLayout(body);
    texts->setContentsMargins(0, 0, 0, 0);
    texts->addWidget(title);
    texts->addWidget(label(msg::version(), "lblVersion"));
    texts->addWidget(label(msg::description(), "lblDescription"));
    texts->addWidget(support);
    texts->addStretch(1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new frontend::WindowBody(body), 1);
    layout->addLayout(buttons);
    frontend::fitToScreen(this);
}

void FrmAbout::lblSupport_Click(const QString &link)
{
    m_shell.openUrl(link);
}

void FrmAbout::cmdSysInfo_Click()
{
    if (!m_shell.startSystemInformation()) {
        m_messages.show(msg::systemInformationUnavailable(), this);
    }
}

} // namespace about
