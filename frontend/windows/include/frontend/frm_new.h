#pragma once
// The first window of the solver: solve a new equation (typed or from a file) or create one from its
// roots (typed or from a file), and the display precision.

#include "frontend/core/state.h"
#include "frontend/panels.h"
#include "platform/services.h"

#include <QDialog>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace frontend
{

class ActionLauncher;

class FrmNew : public QDialog
{
    Q_OBJECT
public:
    FrmNew(core::KovalinState &state, platform::Services services, ActionLauncher &actions);

    /// Exit, the title bar's close and Escape all end the program.
    void reject() override;

Q_SIGNALS:
    /// OK in the solve branch succeeded: the state holds the new equation; the main window is due.
    void solveChosen();
    /// Exit: the program ends.
    void exitChosen();

private:
    QWidget *buildSolveFrame();
    QWidget *buildCreateFrame();
    QWidget *buildButtons();
    QWidget *buildProgramPanel();
    QWidget *buildProgram2Panel();

    void Form_Load();
    void optSolve_Click();
    void optProgram_Click();
    void optProgram2_Click();
    void optReal_Click();
    void optComplex_Click();
    void btnInstructions_Click();
    void btnInstructions2_Click();
    void btnOpen_Click();
    void btnOpen2_Click();
    void btnOK_Click();
    void btnExit_Click();

    bool solveFromProgram();
    bool solveFromFile();
    void createFromProgram();
    void createFromFile();
    std::size_t chosenPrecision() const;
    void fillDegrees(int count);

    core::KovalinState &m_state;
    platform::Services m_services;
    ActionLauncher &m_actions;

    QRadioButton *m_optSolve = nullptr;
    QRadioButton *m_optCreate = nullptr;
    QGroupBox *m_frmEnter = nullptr;
    QGroupBox *m_frmCreate2 = nullptr;
    QRadioButton *m_optProgram = nullptr;
    QRadioButton *m_optFile = nullptr;
    QWidget *m_picProgram = nullptr;
    QWidget *m_picFile = nullptr;
    QRadioButton *m_optReal = nullptr;
    QRadioButton *m_optComplex = nullptr;
    QComboBox *m_cboDegree = nullptr;
    QPushButton *m_btnOpen = nullptr;
    QLineEdit *m_txtFile = nullptr;
    QRadioButton *m_optProgram2 = nullptr;
    QRadioButton *m_optFile2 = nullptr;
    QWidget *m_picProgram2 = nullptr;
    QWidget *m_picFile2 = nullptr;
    RootsProgramPanel m_rootsProgram;
    FileChooser m_rootsFile;
    QListWidget *m_lstPrecision = nullptr;
};

} // namespace frontend
