#include "frontend/frm_kovalin.h"

#include "about/frm_about.h"
#include "frontend/core/rows.h"
#include "frontend/core/text_file.h"
#include "frontend/frm_icon.h"
#include "frontend/kit/accessible_names.h"
#include "frontend/kit/action_launcher.h"
#include "frontend/kit/dialog_parts.h"
#include "frontend/kit/feedback.h"
#include "frontend/kit/menu_shortcuts.h"
#include "frontend/kit/qt_text.h"
#include "frontend/kit/screen_fit.h"
#include "frontend/kit/scrolling_rows.h"
#include "frontend/messages.h"
#include "frontend/panels.h"
#include "platform/clipboard.h"
#include "platform/file_dialogs.h"
#include "platform/message_service.h"
#include "platform/modal_runner.h"
#include "platform/twips.h"

#include <QCloseEvent>
#include <QCursor>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace frontend
{
namespace
{

// Geometry of the coefficient rows, in twips (the rows' height comes from their font).
constexpr int firstTop = core::templateRowTop;
constexpr int viewportHeight = 4320;
constexpr int boxLeft = 120;
constexpr int realBoxWidth = 3600;
constexpr int complexBoxWidth = 2400;
constexpr int realPanelWidth = 6000;
constexpr int complexPanelWidth = 7800;

using core::Action;
using core::BoxRef;
using core::CoefKind;

QString powerLabel(int power)
{
    return power > 0 ? QStringLiteral("* x^") + QString::number(power) + QStringLiteral(" +") : QStringLiteral("= 0");
}

QWidget *panelWithLabels(const char *name, const QStringList &labels, QWidget *rows, const char *labelNames)
{
    auto *panel = new QWidget;
    panel->setObjectName(QLatin1String(name));
    auto *layout = new QVBoxLayout(panel);
    const QStringList names = QString::fromLatin1(labelNames).split(QLatin1Char(','));
    for (qsizetype i = 0; i < labels.size(); ++i) {
        auto *label = new QLabel(labels[i]);
        label->setObjectName(names[i]);
        label->setWordWrap(true);
        layout->addWidget(label);
    }
    layout->addWidget(rows);
    return panel;
}

} // namespace

FrmKovalin::FrmKovalin(core::KovalinState &state, platform::Services services, ActionLauncher &actions)
    : m_state(state)
    , m_services(services)
    , m_actions(actions)
    , m_icon(std::make_unique<FrmIcon>())
    , m_rowHeight(rowHeightTwips(this))
{
    setObjectName(QStringLiteral("frmKovalin"));
    setWindowTitle(tr("Kovalin - Equation Solver - [Coefficients]"));
    buildMenus();
    new MenuShortcuts(this);
    auto *central = new QWidget;
    auto *layout = new QVBoxLayout(central);
    layout->addWidget(new WindowBody(buildEntry()), 1);
    layout->addWidget(buildActions());
    setCentralWidget(central);
    connect(m_icon->mnuLength(), &QAction::triggered, this, &FrmKovalin::mnuCurveLength_Click);
    connect(m_icon->mnuCalculus(), &QAction::triggered, this, &FrmKovalin::mnuCurveCalculus_Click);
    Form_Load();
    fitToScreen(this);
}

FrmKovalin::~FrmKovalin() = default;

QAction *FrmKovalin::addItem(QMenu *menu, const char *name, const QString &caption, void (FrmKovalin::*handler)())
{
    QAction *item = menu->addAction(caption);
    item->setObjectName(QLatin1String(name));
    connect(item, &QAction::triggered, this, handler);
    return item;
}

void FrmKovalin::buildMenus()
{
    m_mnuFile = menuBar()->addMenu(tr("&File"));
    m_mnuFile->setObjectName(QStringLiteral("mnuFile"));
    addItem(m_mnuFile, "mnuNew", tr("&New Equation..."), &FrmKovalin::btnNew_Click)->setShortcut(tr("Ctrl+N"));
    addItem(m_mnuFile, "mnuOpen", tr("&Open Equation..."), &FrmKovalin::btnOpen_Click)->setShortcut(tr("Ctrl+O"));
    addItem(m_mnuFile, "mnuSave", tr("&Save Equation..."), &FrmKovalin::btnSave_Click)->setShortcut(tr("Ctrl+S"));
    m_mnuFile->addSeparator()->setObjectName(QStringLiteral("mnuEmpty3"));
    addItem(m_mnuFile, "mnuAbout", tr("&About..."), &FrmKovalin::mnuAbout_Click);
    addItem(m_mnuFile, "mnuExit", tr("E&xit"), &FrmKovalin::btnExit_Click);

    m_mnuEdit = menuBar()->addMenu(tr("&Edit"));
    m_mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    addItem(m_mnuEdit, "mnuCopy", tr("Copy &Equation"), &FrmKovalin::btnCopy_Click);
    addItem(m_mnuEdit, "mnuClear", tr("&Clear Coefficients"), &FrmKovalin::btnClear_Click);

    m_mnuActions = menuBar()->addMenu(tr("&Actions"));
    m_mnuActions->setObjectName(QStringLiteral("mnuActions"));
    addItem(m_mnuActions, "mnuSolve", tr("&Solve Equation..."), &FrmKovalin::btnSolve_Click)->setShortcut(tr("Ctrl+E"));
    addItem(m_mnuActions, "mnuCreate", tr("&Create Equation..."), &FrmKovalin::btnCreate_Click);
    m_mnuActions->addSeparator()->setObjectName(QStringLiteral("mnuEmpty2"));
    addItem(m_mnuActions, "mnuGraph", tr("&Graph Function..."), &FrmKovalin::btnGraph_Click);
    addItem(m_mnuActions, "mnuTable", tr("&Table of Values..."), &FrmKovalin::btnTable_Click);
    addItem(m_mnuActions, "mnuEvaluate", tr("&Evaluate Polynomial..."), &FrmKovalin::btnEvaluate_Click);
    m_mnuLength = m_mnuActions->addMenu(tr("Curve &Data"));
    m_mnuLength->setObjectName(QStringLiteral("mnuLength"));
    addItem(m_mnuLength, "mnuCurveLength", tr("&Length of Curve..."), &FrmKovalin::mnuCurveLength_Click);
    addItem(m_mnuLength, "mnuCurveCalculus", tr("&Differentiate/Integrate..."), &FrmKovalin::mnuCurveCalculus_Click);
}

QWidget *FrmKovalin::buildEntry()
{
    m_frmEntry = new QGroupBox(tr("Equation Entry"));
    m_frmEntry->setObjectName(QStringLiteral("frmEntry"));
    auto *layout = new QVBoxLayout(m_frmEntry);
    m_picReal = buildRealPanel();
    m_picComplex = buildComplexPanel();
    m_picFile = buildFilePanel();
    layout->addWidget(m_picReal);
    layout->addWidget(m_picComplex);
    layout->addWidget(m_picFile);
    return m_frmEntry;
}

QWidget *FrmKovalin::buildRealPanel()
{
    m_realRows = new ScrollingRows(
        { QStringLiteral("picOutReal"), QStringLiteral("picCoefReal"), QStringLiteral("scrReal") }, viewportHeight);
    m_realRows->bar()->setAccessibleName(tr("Coefficients"));
    return panelWithLabels("picReal",
        { tr("Enter the real coefficients of the equation below."),
            tr("Coefficients may be entered in either decimal (1.23), fractional (1/2.3), or "
               "exponential form (1.2E-3).") },
        m_realRows,
        "lblEnterReal,lblInfo2");
}

QWidget *FrmKovalin::buildComplexPanel()
{
    m_complexRows = new ScrollingRows(
        { QStringLiteral("picOutComplex"), QStringLiteral("picCoefComplex"), QStringLiteral("scrComplex") },
        viewportHeight);
    m_complexRows->bar()->setAccessibleName(tr("Coefficients"));
    return panelWithLabels("picComplex",
        { tr("Enter the complex coefficients of the equation below."),
            tr("Coefficients may be entered in either decimal (1.23), fractional (1.2/3.4), or "
               "exponential form (1.2E-3).") },
        m_complexRows,
        "lblEnterComplex,lblInfo");
}

QWidget *FrmKovalin::buildFilePanel()
{
    auto *panel = new QWidget;
    panel->setObjectName(QStringLiteral("picFile"));
    auto *layout = new QVBoxLayout(panel);
    auto *label = new QLabel(tr("Below are the contents of the file selected containing the equation to solve:"));
    label->setObjectName(QStringLiteral("lblSelected"));
    label->setWordWrap(true);
    m_fileView = buildFileView();
    layout->addWidget(label);
    layout->addWidget(m_fileView.txtFilePath);
    layout->addWidget(m_fileView.txtFileText, 1);
    return panel;
}

QPushButton *FrmKovalin::addButton(
    const char *name, const QString &caption, const QString &tip, void (FrmKovalin::*handler)())
{
    QPushButton *button = frontend::button(caption, name, tip);
    connect(button, &QPushButton::clicked, this, handler);
    return button;
}

QWidget *FrmKovalin::buildActions()
{
    auto *frame = new QGroupBox;
    frame->setObjectName(QStringLiteral("frmActions"));
    auto *grid = new QGridLayout(frame);
    const QList<QPushButton *> files {
        addButton("btnNew", tr("New..."), tr("Create new equation"), &FrmKovalin::btnNew_Click),
        addButton("btnOpen", tr("Open..."), tr("Open equation"), &FrmKovalin::btnOpen_Click),
        addButton("btnSave", tr("Save..."), tr("Save current equation"), &FrmKovalin::btnSave_Click),
        addButton("btnCopy", tr("Copy"), tr("Copy current equation"), &FrmKovalin::btnCopy_Click),
        addButton("btnClear", tr("Clear"), tr("Clear coefficients"), &FrmKovalin::btnClear_Click),
        addButton("btnExit", tr("Exit"), QString(), &FrmKovalin::btnExit_Click)
    };
    const QList<QPushButton *> solving {
        addButton("btnSolve", tr("Solve..."), tr("Solve equation"), &FrmKovalin::btnSolve_Click),
        addButton(
            "btnCreate", tr("Create..."), tr("Create equation from specified roots"), &FrmKovalin::btnCreate_Click)
    };
    const QList<QPushButton *> tools { addButton("btnEvaluate",
                                           tr("Evaluate &Polynomial"),
                                           tr("Evaluate polynomial with given 'x' value"),
                                           &FrmKovalin::btnEvaluate_Click),
        addButton("btnTable", tr("&Table of Values"), tr("Create table of (x,y) values"), &FrmKovalin::btnTable_Click),
        addButton("btnGraph", tr("&Graph Equation"), tr("Plot function"), &FrmKovalin::btnGraph_Click),
        addButton("btnLength",
            tr("&Curve Data"),
            tr("Find function's arc length, differential, or integral"),
            &FrmKovalin::btnLength_Click) };
    int row = 0;
    for (const auto &buttons : { files, solving, tools }) {
        for (qsizetype column = 0; column < buttons.size(); ++column) {
            grid->addWidget(buttons[column], row, static_cast<int>(column));
        }
        ++row;
    }
    return frame;
}

QLineEdit *FrmKovalin::addBox(QWidget *panel, const QString &name, int x, int y, int widthTwips)
{
    return addRowBox(panel, name, x, y, widthTwips, m_rowHeight);
}

void FrmKovalin::LoadReal(int degree)
{
    const core::RowLayout rows = core::CoefficientRows(degree, m_rowHeight, firstTop);
    m_realRows->setPanelSize(rows.panelHeight, platform::twipsToPixels(realPanelWidth, this));
    QWidget *panel = m_realRows->panel();
    m_txtCR.assign(static_cast<std::size_t>(degree) + 1, nullptr);
    for (int i = degree; i >= 0; --i) {
        const auto at = static_cast<std::size_t>(i);
        m_txtCR[at] = addBox(panel, indexedName("txtCR", i), boxLeft, rows.boxTops[at], realBoxWidth);
        m_txtCR[at]->setAccessibleName(names::coefficient(i));
        addRowLabel(panel, indexedName("lblXR", i), powerLabel(i), boxLeft + realBoxWidth + 120, rows.labelTops[at]);
        m_realRows->followFocus(m_txtCR[at]);
    }
}

void FrmKovalin::LoadComplex(int degree)
{
    const core::RowLayout rows = core::CoefficientRows(degree, m_rowHeight, firstTop);
    m_complexRows->setPanelSize(rows.panelHeight, platform::twipsToPixels(complexPanelWidth, this));
    QWidget *panel = m_complexRows->panel();
    m_txtCCA.assign(static_cast<std::size_t>(degree) + 1, nullptr);
    m_txtCCB.assign(static_cast<std::size_t>(degree) + 1, nullptr);
    const int imaginaryLeft = boxLeft + complexBoxWidth + 480;
    for (int i = degree; i >= 0; --i) {
        const auto at = static_cast<std::size_t>(i);
        const int top = rows.boxTops[at];
        const int labelTop = rows.labelTops[at];
        addRowLabel(panel, indexedName("lblP", i), QStringLiteral("("), 0, labelTop);
        m_txtCCA[at] = addBox(panel, indexedName("txtCCA", i), boxLeft, top, complexBoxWidth);
        m_txtCCA[at]->setAccessibleName(names::coefficientRealPart(i));
        addRowLabel(panel, indexedName("lblPlus", i), QStringLiteral(" + "), boxLeft + complexBoxWidth + 90, labelTop);
        m_txtCCB[at] = addBox(panel, indexedName("txtCCB", i), imaginaryLeft, top, complexBoxWidth);
        m_txtCCB[at]->setAccessibleName(names::coefficientImaginaryPart(i));
        addRowLabel(
            panel, indexedName("lblI", i), QStringLiteral("i)"), imaginaryLeft + complexBoxWidth + 30, labelTop);
        addRowLabel(panel, indexedName("lblXC", i), powerLabel(i), imaginaryLeft + complexBoxWidth + 330, labelTop);
        m_complexRows->followFocus(m_txtCCA[at]);
        m_complexRows->followFocus(m_txtCCB[at]);
    }
}

void FrmKovalin::Form_Load()
{
    m_state.graph.resetSwitches();
    const CoefKind kind = m_state.CoefType;
    if (kind == CoefKind::Real) {
        LoadReal(m_state.BoxDegree);
    } else if (kind == CoefKind::Complex) {
        LoadComplex(m_state.BoxDegree);
    } else {
        OpenFile(toQt(m_state.FilePath), core::loadFileText(core::pathFromUtf8(m_state.FilePath)).text.value_or(""));
    }
    showPanel(kind);
    enableActions();
    LoadBars();
}

void FrmKovalin::LoadBars()
{
    m_realRows->LoadBars();
    m_complexRows->LoadBars();
}

void FrmKovalin::focusLeadingBox()
{
    const auto leading = static_cast<std::size_t>(m_state.Degree);
    if (m_state.CoefType == CoefKind::Real && leading < m_txtCR.size()) {
        m_txtCR[leading]->setFocus();
    } else if (m_state.CoefType == CoefKind::Complex && leading < m_txtCCA.size()) {
        m_txtCCA[leading]->setFocus();
    }
}

void FrmKovalin::showPanel(CoefKind kind)
{
    m_picReal->setVisible(kind == CoefKind::Real);
    m_picComplex->setVisible(kind == CoefKind::Complex);
    m_picFile->setVisible(kind == CoefKind::File);
    const bool typed = kind != CoefKind::File;
    for (const char *name : { "btnClear", "btnSave", "mnuClear", "mnuSave" }) {
        if (auto *button = findChild<QPushButton *>(QLatin1String(name))) {
            button->setEnabled(typed);
        } else if (auto *item = findChild<QAction *>(QLatin1String(name))) {
            item->setEnabled(typed);
        }
    }
    m_frmEntry->setTitle(typed
            ? tr("Equation Entry") + tr(" - [Degree: ") + QString::number(m_state.Degree) + QStringLiteral("]")
            : tr("Equation Entry - [From File]"));
}

void FrmKovalin::enableActions()
{
    const auto offered = [this](Action action) {
        return m_actions.offers(action);
    };
    const std::pair<const char *, bool> switches[] = {
        { "btnSolve", offered(Action::Solve) },
        { "mnuSolve", offered(Action::Solve) },
        { "btnCreate", offered(Action::Create) },
        { "mnuCreate", offered(Action::Create) },
        { "btnEvaluate", offered(Action::Evaluate) },
        { "mnuEvaluate", offered(Action::Evaluate) },
        { "btnTable", offered(Action::Table) },
        { "mnuTable", offered(Action::Table) },
        { "btnGraph", offered(Action::Graph) },
        { "mnuGraph", offered(Action::Graph) },
        { "btnLength", offered(Action::Length) || offered(Action::Calculus) },
        { "mnuCurveLength", offered(Action::Length) },
        { "mnuCurveCalculus", offered(Action::Calculus) },
    };
    for (const auto &[name, on] : switches) {
        if (auto *button = findChild<QPushButton *>(QLatin1String(name))) {
            button->setEnabled(on);
        } else if (auto *item = findChild<QAction *>(QLatin1String(name))) {
            item->setEnabled(on);
        }
    }
    m_mnuLength->setEnabled(offered(Action::Length) || offered(Action::Calculus));
    m_icon->mnuLength()->setEnabled(offered(Action::Length));
    m_icon->mnuCalculus()->setEnabled(offered(Action::Calculus));
}

core::CoefficientTexts FrmKovalin::boxTexts() const
{
    const auto texts = [](const std::vector<QLineEdit *> &boxes) {
        std::vector<std::string> out;
        for (const QLineEdit *box : boxes) {
            out.push_back(toStd(box->text()));
        }
        return out;
    };
    if (m_state.CoefType == CoefKind::Complex) {
        return { true, texts(m_txtCCA), texts(m_txtCCB) }; // a pair of boxes per power
    }
    return { false, texts(m_txtCR), {} };
}

QLineEdit *FrmKovalin::box(BoxRef ref) const
{
    static const std::vector<QLineEdit *> none;
    const std::vector<QLineEdit *> &boxes = ref.array == BoxRef::Array::CR ? m_txtCR
        : ref.array == BoxRef::Array::CCA                                  ? m_txtCCA
        : ref.array == BoxRef::Array::CCB                                  ? m_txtCCB
                                                                           : none;
    const auto at = static_cast<std::size_t>(ref.index);
    return at < boxes.size() ? boxes[at] : nullptr;
}

void FrmKovalin::applyCheck(const core::EquationCheck &check)
{
    if (check.viewText) {
        m_fileView.txtFileText->setPlainText(fileTextForDisplay(*check.viewText));
    }
    if (m_state.CoefType == CoefKind::File) {
        MarkFileError(check.markFile);
    }
    applyBoxCheck(m_services.messages, this, check.filledWithZero, check.notices, check.focus, [this](BoxRef ref) {
        return box(ref);
    });
}

const core::Equation *FrmKovalin::checkedEquation(bool gate)
{
    const core::EquationCheck check = core::checkEquation(m_state, boxTexts(), gate);
    applyCheck(check);
    if (check.complexRefused) {
        m_services.messages.show(msg::complexCoefficients(), this);
        return nullptr;
    }
    // A check that passed made its equation the state's current one.
    return check.equation ? &m_state.equation : nullptr;
}

void FrmKovalin::launch(Action action)
{
    if (!m_actions.offers(action)) {
        return;
    }
    const core::ActionRule rule = core::ruleFor(action);
    if (!rule.equationCheck) {
        m_actions.launch(action, core::Equation(), this);
        return;
    }
    if (const core::Equation *equation = checkedEquation(rule.complexGate)) {
        m_actions.launch(action, *equation, this);
    }
}

void FrmKovalin::OpenFile(const QString &path, const std::string &text)
{
    m_filePath = path;
    m_fileView.txtFileText->setPlainText(fileTextForDisplay(text));
    MarkFileError(false);
}

void FrmKovalin::MarkFileError(bool marked)
{
    markFileView(m_fileView, m_filePath, marked);
}

void FrmKovalin::btnNew_Click()
{
    m_state.NewRequested = true;
    m_state.NewConfirmed = false;
    close();
    if (!m_state.NewConfirmed) {
        return;
    }
    if (m_state.FromFile) {
        m_fileView.txtFilePath->clear();
        m_fileView.txtFileText->clear();
    }
    Q_EMIT newEquationConfirmed();
}

void FrmKovalin::btnOpen_Click()
{
    if (m_services.messages.show(msg::confirmOpen(), this) != platform::Answer::Yes) {
        return;
    }
    const auto path = m_services.fileDialogs.openFile(this, msg::openCoefficientsFile());
    if (!path || path->isEmpty()) {
        return;
    }
    // An unreadable choice keeps the current equation rather than switching to an empty view.
    const core::LoadedText loaded = core::loadFileText(toPath(*path));
    if (!loaded.text) {
        m_services.messages.show(msg::fileUnusable(*path, loaded.problem), this);
        return;
    }
    core::startFileEntry(m_state, toStd(*path), *loaded.text);
    showPanel(CoefKind::File);
    OpenFile(*path, *loaded.text);
}

void FrmKovalin::btnSave_Click()
{
    if (m_state.CoefType == CoefKind::File) {
        return;
    }
    const core::Equation *equation = checkedEquation(false);
    if (!equation) {
        return;
    }
    const auto path = m_services.fileDialogs.saveFile(this, msg::saveCoefficientsFile());
    if (!path || path->isEmpty()) {
        return;
    }
    if (!core::writeLines(toPath(*path), core::coefficientFileLines(equation->texts))) {
        m_services.messages.show(msg::saveFailed(*path), this);
    }
}

void FrmKovalin::btnCopy_Click()
{
    if (const core::Equation *equation = checkedEquation(false)) {
        m_services.clipboard.setText(QStringLiteral("0 = ") + toQt(equation->text));
    }
}

void FrmKovalin::btnClear_Click()
{
    if (m_state.CoefType == CoefKind::File
        || m_services.messages.show(msg::confirmClear(), this) != platform::Answer::Yes) {
        return;
    }
    for (const auto *boxes : { &m_txtCR, &m_txtCCA, &m_txtCCB }) {
        for (QLineEdit *cleared : *boxes) {
            cleared->clear();
        }
    }
}

void FrmKovalin::btnSolve_Click()
{
    launch(Action::Solve);
}

void FrmKovalin::btnCreate_Click()
{
    launch(Action::Create);
}

void FrmKovalin::btnEvaluate_Click()
{
    launch(Action::Evaluate);
}

void FrmKovalin::btnTable_Click()
{
    launch(Action::Table);
}

void FrmKovalin::btnGraph_Click()
{
    launch(Action::Graph);
}

void FrmKovalin::btnLength_Click()
{
    // A click pops the menu up at the pointer. Pressed from the keyboard (Alt+C, Space) the button may be far
    // from the pointer, so the menu opens under the button, where the eye already is.
    const auto *button = findChild<QPushButton *>(QStringLiteral("btnLength"));
    const bool clicked = button->rect().contains(button->mapFromGlobal(QCursor::pos()));
    m_icon->mnuCurve()->popup(clicked ? QCursor::pos() : button->mapToGlobal(QPoint(0, button->height())));
}

void FrmKovalin::mnuCurveLength_Click()
{
    launch(Action::Length);
}

void FrmKovalin::mnuCurveCalculus_Click()
{
    launch(Action::Calculus);
}

void FrmKovalin::mnuAbout_Click()
{
    about::FrmAbout dialog(m_services.shell, m_services.messages, this);
    m_services.modal.run(dialog);
}

void FrmKovalin::btnExit_Click()
{
    close();
}

void FrmKovalin::closeEvent(QCloseEvent *event)
{
    Form_QueryUnload(event);
}

void FrmKovalin::Form_QueryUnload(QCloseEvent *event)
{
    const bool forNew = m_state.NewRequested;
    m_state.NewRequested = false;
    const platform::Answer answer = m_services.messages.show(forNew ? msg::confirmNew() : msg::confirmExit(), this);
    const bool yes = answer == platform::Answer::Yes;
    if (forNew) {
        m_state.NewConfirmed = yes;
    }
    if (!yes) {
        event->ignore();
        return;
    }
    event->accept();
    if (!forNew) {
        Q_EMIT exitConfirmed();
    }
}

} // namespace frontend
