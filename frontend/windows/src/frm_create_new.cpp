#include "frontend/frm_create_new.h"

#include "frontend/core/roots_file.h"
#include "frontend/creator_request.h"
#include "frontend/kit/screen_fit.h"
#include "frontend/messages.h"
#include "platform/file_dialogs.h"
#include "platform/message_service.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace frontend
{

FrmCreateNew::FrmCreateNew(core::KovalinState &state, platform::Services services, QWidget *parent)
    : QDialog(parent)
    , m_state(state)
    , m_services(services)
{
    setObjectName(QStringLiteral("frmCreateNew"));
    setWindowTitle(tr("Kovalin - Equation Creator - [New Equation]"));
    auto *ok = button(tr("OK"), "btnOK");
    ok->setDefault(true);
    auto *cancel = button(tr("Cancel"), "btnCancel");
    connect(ok, &QPushButton::clicked, this, &FrmCreateNew::btnOK_Click);
    connect(cancel, &QPushButton::clicked, this, &FrmCreateNew::btnCancel_Click);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new WindowBody(buildChoice()), 1);
    layout->addLayout(buttons);
    Form_Load();
    fitToScreen(this);
}

QWidget *FrmCreateNew::buildChoice()
{
    auto *frame = new QGroupBox(tr("Create New Equation"));
    frame->setObjectName(QStringLiteral("frmNewCreate"));
    m_optProgram = radio(tr("This &Program"), "optProgram");
    m_optFile = radio(tr("&File"), "optFile");
    pairOptions(this, m_optProgram, m_optFile);
    onChosen(m_optProgram, this, &FrmCreateNew::optProgram_Click);
    onChosen(m_optFile, this, &FrmCreateNew::optProgram_Click);
    m_program = buildRootsProgramPanel("picProgram", QString(), nullptr);
    m_file = buildFileChooser({ "picFile", "lblOpen", "btnOpen2", "Label2", "txtFilepath2", "btnInstructions2" },
        tr("Open the file containing the roots of the equation to create."));
    connect(m_file.open, &QPushButton::clicked, this, &FrmCreateNew::btnOpen2_Click);
    connect(m_file.instructions, &QPushButton::clicked, this, &FrmCreateNew::btnInstructions2_Click);
    auto *from = new QHBoxLayout;
    from->addWidget(caption(tr("Enter roots from:"), "lblFrom"));
    from->addWidget(m_optProgram);
    from->addWidget(m_optFile);
    auto *layout = new QVBoxLayout(frame);
    layout->addWidget(label(tr("Equation Creator will make an equation that contains up to one hundred specified "
                               "roots. The roots can be either real or imaginary numbers. You may also assign a "
                               "leading coefficient to the highest power of 'x' in the equation to be created."),
        "lblDescription"));
    layout->addLayout(from);
    layout->addWidget(m_program.panel);
    layout->addWidget(m_file.panel);
    return frame;
}

void FrmCreateNew::Form_Load()
{
    fillNumbers(m_program.cboNumRoots, core::maxRoots);
    m_optProgram->setChecked(true);
    optProgram_Click();
}

void FrmCreateNew::optProgram_Click()
{
    m_program.panel->setVisible(m_optProgram->isChecked());
    m_file.panel->setVisible(!m_optProgram->isChecked());
}

void FrmCreateNew::btnOpen2_Click()
{
    const auto path = m_services.fileDialogs.openFile(this, msg::openRootsFile());
    if (path && !path->isEmpty()) {
        m_file.path->setText(*path);
    }
}

void FrmCreateNew::btnInstructions2_Click()
{
    m_services.messages.show(msg::rootsFileInstructions(), this);
}

void FrmCreateNew::btnOK_Click()
{
    // The precision of the current equation stays: only the new-equation dialog chooses one.
    const bool ready = m_optProgram->isChecked() ? requestTypedRoots(m_state, m_services.messages, this, m_program)
                                                 : requestRootsFile(m_state, m_services.messages, this, m_file);
    if (ready) {
        m_state.creator.Creating = true;
        accept();
    }
}

void FrmCreateNew::btnCancel_Click()
{
    reject();
}

} // namespace frontend
