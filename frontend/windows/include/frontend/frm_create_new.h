#pragma once
// The creator's own dialog, opened from the main window: the roots typed (their number and the leading
// coefficient) or from a roots file. OK closes it with the creator's request ready in the state.

#include "frontend/core/state.h"
#include "frontend/panels.h"
#include "platform/services.h"

#include <QDialog>

class QRadioButton;

namespace frontend
{

class FrmCreateNew : public QDialog
{
    Q_OBJECT
public:
    FrmCreateNew(core::KovalinState &state, platform::Services services, QWidget *parent = nullptr);

private:
    QWidget *buildChoice();
    void Form_Load();
    void optProgram_Click();
    void btnOpen2_Click();
    void btnInstructions2_Click();
    void btnOK_Click();
    void btnCancel_Click();

    core::KovalinState &m_state;
    platform::Services m_services;
    QRadioButton *m_optProgram = nullptr;
    QRadioButton *m_optFile = nullptr;
    RootsProgramPanel m_program;
    FileChooser m_file;
};

} // namespace frontend
