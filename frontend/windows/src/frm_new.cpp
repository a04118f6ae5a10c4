#include "frontend/frm_new.h"

#include "frontend/core/text_file.h"
#include "frontend/creator_request.h"
#include "frontend/kit/accessible_names.h"
#include "frontend/kit/action_launcher.h"
#include "frontend/kit/feedback.h"
#include "frontend/kit/qt_text.h"
#include "frontend/kit/screen_fit.h"
#include "frontend/messages.h"
#include "platform/file_dialogs.h"
#include "platform/message_service.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace frontend
{
namespace
{

constexpr int precisionChoices = 15;

} // namespace

FrmNew::FrmNew(core::KovalinState &state, platform::Services services, ActionLauncher &actions)
    : m_state(state)
    , m_services(services)
    , m_actions(actions)
{
    setObjectName(QStringLiteral("frmNew"));
    setWindowTitle(tr("Kovalin -  [New Equation to Solve or Create]"));
    m_optSolve = radio(tr("&Solve New Equation"), "optSolve");
    m_optCreate = radio(tr("&Create New Equation"), "optCreate");
    pairOptions(this, m_optSolve, m_optCreate);
    auto *choice = new QHBoxLayout;
    choice->addWidget(m_optSolve);
    choice->addWidget(m_optCreate);
    auto *body = new QWidget;
    auto *choices = new QVBoxLayout(body);
    choices->setContentsMargins(0, 0, 0, 0);
    choices->addLayout(choice);
    choices->addWidget(buildSolveFrame());
    choices->addWidget(buildCreateFrame());
    choices->addStretch(1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new WindowBody(body), 1);
    layout->addWidget(buildButtons());
    onChosen(m_optSolve, this, &FrmNew::optSolve_Click);
    onChosen(m_optCreate, this, &FrmNew::optSolve_Click);
    Form_Load();
    fitToScreen(this);
}

QWidget *FrmNew::buildSolveFrame()
{
    m_frmEnter = new QGroupBox;
    m_frmEnter->setObjectName(QStringLiteral("frmEnter"));
    m_optProgram = radio(tr("This &Program"), "optProgram");
    m_optFile = radio(tr("&File"), "optFile");
    pairOptions(this, m_optProgram, m_optFile);
    onChosen(m_optProgram, this, &FrmNew::optProgram_Click);
    onChosen(m_optFile, this, &FrmNew::optProgram_Click);
    auto *from = new QHBoxLayout;
    from->addWidget(caption(tr("Enter coefficients from:"), "lblFrom"));
    from->addWidget(m_optProgram);
    from->addWidget(m_optFile);
    auto *layout = new QVBoxLayout(m_frmEnter);
    layout->addLayout(from);
    layout->addWidget(buildProgramPanel());
    const FileChooser chooser =
        buildFileChooser({ "picFile", "lblOpen", "btnOpen", "lblSelected", "txtFile", "btnInstructions" },
            tr("Select the file to open which contains the coefficients of the equation so solve."));
    m_picFile = chooser.panel;
    m_btnOpen = chooser.open;
    m_txtFile = chooser.path;
    connect(m_btnOpen, &QPushButton::clicked, this, &FrmNew::btnOpen_Click);
    connect(chooser.instructions, &QPushButton::clicked, this, &FrmNew::btnInstructions_Click);
    layout->addWidget(m_picFile);
    return m_frmEnter;
}

QWidget *FrmNew::buildProgramPanel()
{
    m_picProgram = new QWidget;
    m_picProgram->setObjectName(QStringLiteral("picProgram"));
    m_optReal = radio(tr("&Real"), "optReal");
    m_optComplex = radio(tr("C&omplex"), "optComplex");
    pairOptions(this, m_optReal, m_optComplex);
    onChosen(m_optReal, this, &FrmNew::optReal_Click);
    onChosen(m_optComplex, this, &FrmNew::optComplex_Click);
    m_cboDegree = numberList("cboDegree");
    auto *grid = new QGridLayout(m_picProgram);
    grid->addWidget(caption(tr("Coefficient type:"), "lblType"), 0, 0);
    grid->addWidget(m_optReal, 0, 1);
    grid->addWidget(caption(tr("(maximum degree is 100)"), "lblMax_0"), 0, 2);
    grid->addWidget(m_optComplex, 1, 1);
    grid->addWidget(caption(tr("(maximum degree is 50)"), "lblMax_1"), 1, 2);
    QLabel *degree = caption(tr("Degree of equation:"), "lblDegree");
    names::nameAfter(m_cboDegree, degree);
    grid->addWidget(degree, 2, 0);
    grid->addWidget(m_cboDegree, 2, 1);
    return m_picProgram;
}

QWidget *FrmNew::buildCreateFrame()
{
    m_frmCreate2 = new QGroupBox;
    m_frmCreate2->setObjectName(QStringLiteral("frmCreate2"));
    m_optProgram2 = radio(tr("This &Program"), "optProgram2");
    m_optFile2 = radio(tr("&File"), "optFile2");
    pairOptions(this, m_optProgram2, m_optFile2);
    onChosen(m_optProgram2, this, &FrmNew::optProgram2_Click);
    onChosen(m_optFile2, this, &FrmNew::optProgram2_Click);
    auto *from = new QHBoxLayout;
    from->addWidget(caption(tr("Enter roots from:"), "Label8"));
    from->addWidget(m_optProgram2);
    from->addWidget(m_optFile2);
    auto *layout = new QVBoxLayout(m_frmCreate2);
    layout->addLayout(from);
    layout->addWidget(buildProgram2Panel());
    m_rootsFile = buildFileChooser({ "picFile2", "lblOpen2", "btnOpen2", "Label2", "txtFilepath2", "btnInstructions2" },
        tr("Select the file to open which contains the roots of the equation to create."));
    m_picFile2 = m_rootsFile.panel;
    connect(m_rootsFile.open, &QPushButton::clicked, this, &FrmNew::btnOpen2_Click);
    connect(m_rootsFile.instructions, &QPushButton::clicked, this, &FrmNew::btnInstructions2_Click);
    layout->addWidget(m_picFile2);
    return m_frmCreate2;
}

QWidget *FrmNew::buildProgram2Panel()
{
    m_rootsProgram =
        buildRootsProgramPanel("picProgram2", tr("(An equation will be created by specifying its roots.)"), "Label1");
    m_picProgram2 = m_rootsProgram.panel;
    return m_picProgram2;
}

QWidget *FrmNew::buildButtons()
{
    auto *frame = new QGroupBox;
    frame->setObjectName(QStringLiteral("frmButtons"));
    m_lstPrecision = new QListWidget;
    m_lstPrecision->setObjectName(QStringLiteral("lstPrecision"));
    m_lstPrecision->setMaximumHeight(m_lstPrecision->fontMetrics().height() * 5);
    auto *ok = button(tr("OK"), "btnOK");
    ok->setDefault(true);
    auto *exit = button(tr("Exit"), "btnExit");
    connect(ok, &QPushButton::clicked, this, &FrmNew::btnOK_Click);
    connect(exit, &QPushButton::clicked, this, &FrmNew::btnExit_Click);
    auto *grid = new QGridLayout(frame);
    QLabel *precision = caption(tr("Precision of solutions:"), "lblPrecision");
    names::nameAfter(m_lstPrecision, precision);
    grid->addWidget(precision, 0, 0);
    grid->addWidget(caption(tr("(f.p. accuracy)"), "lblPrecision2"), 1, 0);
    grid->addWidget(m_lstPrecision, 0, 1, 2, 1);
    grid->addWidget(ok, 0, 2);
    grid->addWidget(exit, 1, 2);
    return frame;
}

void FrmNew::Form_Load()
{
    fillNumbers(m_cboDegree, core::maxRealDegree);
    fillNumbers(m_rootsProgram.cboNumRoots, core::maxRoots);
    for (int precision = precisionChoices; precision >= 1; --precision) {
        m_lstPrecision->addItem(QString::number(precision));
    }
    m_lstPrecision->setCurrentRow(0);
    m_optSolve->setChecked(true);
    m_optProgram->setChecked(true);
    m_optReal->setChecked(true);
    m_optProgram2->setChecked(true);
    optSolve_Click();
    optProgram_Click();
    optProgram2_Click();
}

void FrmNew::optSolve_Click()
{
    m_frmEnter->setVisible(m_optSolve->isChecked());
    m_frmCreate2->setVisible(!m_optSolve->isChecked());
}

void FrmNew::optProgram_Click()
{
    m_picProgram->setVisible(m_optProgram->isChecked());
    m_picFile->setVisible(!m_optProgram->isChecked());
}

void FrmNew::optProgram2_Click()
{
    m_picProgram2->setVisible(m_optProgram2->isChecked());
    m_picFile2->setVisible(!m_optProgram2->isChecked());
}

void FrmNew::fillDegrees(int count)
{
    fillNumbers(m_cboDegree, count);
}

void FrmNew::optReal_Click()
{
    if (m_cboDegree->count() == core::maxComplexDegree) {
        fillDegrees(core::maxRealDegree);
    }
}

void FrmNew::optComplex_Click()
{
    if (m_cboDegree->count() == core::maxRealDegree) {
        fillDegrees(core::maxComplexDegree);
    }
}

void FrmNew::btnInstructions_Click()
{
    m_services.messages.show(msg::coefficientsFileInstructions(), this);
}

void FrmNew::btnInstructions2_Click()
{
    m_services.messages.show(msg::rootsFileInstructions(), this);
}

void FrmNew::btnOpen_Click()
{
    const auto path = m_services.fileDialogs.openFile(this, msg::openCoefficientsFile());
    if (path && !path->isEmpty()) {
        m_txtFile->setText(*path);
    }
}

void FrmNew::btnOpen2_Click()
{
    const auto path = m_services.fileDialogs.openFile(this, msg::openRootsFile());
    if (path && !path->isEmpty()) {
        m_rootsFile.path->setText(*path);
    }
}

std::size_t FrmNew::chosenPrecision() const
{
    const QListWidgetItem *item = m_lstPrecision->currentItem();
    const int chosen = item ? item->text().toInt() : precisionChoices;
    return static_cast<std::size_t>(chosen > 0 ? chosen : precisionChoices);
}

bool FrmNew::solveFromProgram()
{
    if (m_cboDegree->currentText().isEmpty()) {
        m_services.messages.show(msg::selectDegree(), this);
        m_cboDegree->setFocus();
        return false;
    }
    const core::CoefKind kind = m_optReal->isChecked() ? core::CoefKind::Real : core::CoefKind::Complex;
    core::startProgramEntry(m_state, kind, m_cboDegree->currentText().toInt(), chosenPrecision());
    return true;
}

bool FrmNew::solveFromFile()
{
    const QString path = m_txtFile->text();
    if (path == noFileChosen()) {
        m_services.messages.show(msg::selectEquationFile(), this);
        m_btnOpen->setFocus();
        return false;
    }
    // A file gone since it was chosen keeps the dialog open rather than showing an empty equation.
    const core::LoadedText loaded = core::loadFileText(toPath(path));
    if (!loaded.text) {
        m_services.messages.show(msg::fileUnusable(path, loaded.problem), this);
        m_btnOpen->setFocus();
        return false;
    }
    core::startFileEntry(m_state, toStd(path), *loaded.text);
    m_state.PrecisionPattern = core::makePrecisionPattern(chosenPrecision());
    return true;
}

void FrmNew::createFromProgram()
{
    if (requestTypedRoots(m_state, m_services.messages, this, m_rootsProgram)) {
        m_actions.openCreator(this);
    }
}

void FrmNew::createFromFile()
{
    if (requestRootsFile(m_state, m_services.messages, this, m_rootsFile)) {
        m_actions.openCreator(this);
    }
}

void FrmNew::btnOK_Click()
{
    if (m_optCreate->isChecked()) {
        m_state.creator.Creating = true;
        m_state.PrecisionPattern = core::makePrecisionPattern(chosenPrecision());
        if (m_optProgram2->isChecked()) {
            createFromProgram();
        } else {
            createFromFile();
        }
        return;
    }
    m_state.creator.Creating = false;
    if (!(m_optProgram->isChecked() ? solveFromProgram() : solveFromFile())) {
        return;
    }
    core::forgetGraphParameters(m_state);
    accept();
    Q_EMIT solveChosen();
}

void FrmNew::btnExit_Click()
{
    QDialog::reject();
    Q_EMIT exitChosen();
}

void FrmNew::reject()
{
    btnExit_Click();
}

} // namespace frontend
