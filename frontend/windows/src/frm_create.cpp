#include "frontend/frm_create.h"

#include "frontend/core/rows.h"
#include "frontend/frm_create_solve.h"
#include "frontend/kit/accessible_names.h"
#include "frontend/kit/feedback.h"
#include "frontend/kit/qt_text.h"
#include "frontend/kit/screen_fit.h"
#include "frontend/kit/scrolling_rows.h"
#include "frontend/messages.h"
#include "frontend/panels.h"
#include "platform/message_service.h"
#include "platform/modal_runner.h"
#include "platform/twips.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace frontend
{
namespace
{

// Geometry of the root rows, in twips. Seven rows of the template's height fill the viewport all but the
// panel's last margin; the viewport grows with rows that the font makes taller.
constexpr int firstTop = core::templateRowTop;
constexpr int viewportHeight = 2700;
constexpr int rowsInView = 7;
constexpr int numberLeft = 60;
constexpr int openLeft = 660;
constexpr int realLeft = 780;
constexpr int boxWidth = 2400;
constexpr int plusLeft = realLeft + boxWidth + 90;
constexpr int imaginaryLeft = realLeft + boxWidth + 480;
constexpr int closeLeft = imaginaryLeft + boxWidth + 30;
constexpr int panelWidth = closeLeft + 420;

using core::BoxRef;

} // namespace

FrmCreate::FrmCreate(core::KovalinState &state, platform::Services services, QWidget *parent)
    : QDialog(parent)
    , m_state(state)
    , m_services(services)
    , m_rowHeight(rowHeightTwips(this))
{
    setObjectName(QStringLiteral("frmCreate"));
    setWindowTitle(tr("Kovalin - Equation Creator - [Roots]"));
    auto *body = new QWidget;
    auto *frames = new QVBoxLayout(body);
    frames->setContentsMargins(0, 0, 0, 0);
    frames->addWidget(buildRootsFrame(), 1);
    frames->addWidget(buildFileFrame(), 1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new WindowBody(body), 1);
    layout->addWidget(buildButtons());
    Form_Load();
    fitToScreen(this);
}

QWidget *FrmCreate::buildRootsFrame()
{
    m_frmEnterRoots = new QGroupBox;
    m_frmEnterRoots->setObjectName(QStringLiteral("frmEnterRoots"));
    m_rows =
        new ScrollingRows({ QStringLiteral("picOutRoots"), QStringLiteral("picRoots"), QStringLiteral("scrRoots") },
            viewportHeight + rowsInView * (m_rowHeight - core::templateRowHeight));
    m_rows->bar()->setAccessibleName(tr("Roots"));
    auto *layout = new QVBoxLayout(m_frmEnterRoots);
    layout->addWidget(label(tr("Enter the real or imaginary roots of the equation to create below. If a root is a "
                               "real number then enter '0' in the imaginary part of the root."),
        "lblEnterReal"));
    layout->addWidget(label(tr("Roots may be entered in either decimal (1.23), fractional (1/2.3), or exponential "
                               "form (1.2E-3)."),
        "lblInfo2"));
    layout->addWidget(m_rows);
    return m_frmEnterRoots;
}

QWidget *FrmCreate::buildFileFrame()
{
    m_frmFile = new QGroupBox(tr("File Containing Roots"));
    m_frmFile->setObjectName(QStringLiteral("frmFile"));
    m_fileView = buildFileView();
    auto *layout = new QVBoxLayout(m_frmFile);
    layout->addWidget(label(tr("Below is the file which contains the roots of the equation to create. Please "
                               "double-check it for errors."),
        "Label1"));
    layout->addWidget(m_fileView.txtFilePath);
    layout->addWidget(m_fileView.txtFileText, 1);
    return m_frmFile;
}

QWidget *FrmCreate::buildButtons()
{
    auto *row = new QWidget;
    auto *layout = new QHBoxLayout(row);
    auto *create = button(tr("Create..."), "btnCreate");
    create->setToolTip(tr("Create equation"));
    create->setDefault(true);
    m_btnCancel = button(tr("Cancel"), "btnCancel");
    connect(create, &QPushButton::clicked, this, &FrmCreate::btnCreate_Click);
    connect(m_btnCancel, &QPushButton::clicked, this, &FrmCreate::btnCancel_Click);
    layout->addStretch(1);
    layout->addWidget(create);
    layout->addWidget(m_btnCancel);
    return row;
}

void FrmCreate::Form_Load()
{
    const core::CreatorRequest &creator = m_state.creator;
    m_fromFile = creator.fromFile;
    m_frmEnterRoots->setVisible(!m_fromFile);
    m_frmFile->setVisible(m_fromFile);
    if (m_fromFile) {
        showRootsFile();
        return;
    }
    LoadRoots(creator.CreateDegree);
    const int n = creator.CreateDegree;
    m_frmEnterRoots->setTitle(tr("Enter ") + QString::number(n) + (n == 1 ? tr(" Root") : tr(" Roots"))
        + tr(" - [Leading Coefficient: (") + toQt(creator.leadingTextA) + QStringLiteral(") + (")
        + toQt(creator.leadingTextB) + QStringLiteral(")i]"));
    LoadBars();
    if (!m_txtCRA.empty()) {
        m_txtCRA.front()->setFocus();
    }
}

void FrmCreate::showRootsFile()
{
    const core::CreatorRequest &creator = m_state.creator;
    m_fileView.txtFileText->setPlainText(fileTextForDisplay(creator.viewText.value_or(std::string())));
    markFileView(m_fileView, toQt(creator.RootsFilePath), creator.roots.markRootsFile);
}

void FrmCreate::LoadRoots(int count)
{
    clearRows();
    m_rootRowCount = count;
    const core::RowLayout rows = core::RootRows(count, m_rowHeight, firstTop);
    m_rows->setPanelSize(rows.panelHeight, platform::twipsToPixels(panelWidth, this));
    QWidget *panel = m_rows->panel();
    for (int k = 1; k <= count; ++k) {
        const auto at = static_cast<std::size_t>(k - 1);
        const int top = rows.boxTops[at];
        const int labelTop = rows.labelTops[at];
        addRowLabel(panel, indexedName("lblNumRoot", k), QString::number(k) + QLatin1Char(':'), numberLeft, labelTop);
        addRowLabel(panel, indexedName("lblP", k), QStringLiteral("("), openLeft, labelTop);
        m_txtCRA.push_back(addRowBox(panel, indexedName("txtCRA", k), realLeft, top, boxWidth, m_rowHeight));
        m_txtCRA.back()->setAccessibleName(names::rootRealPart(k));
        addRowLabel(panel, indexedName("lblPlus", k), QStringLiteral(" + "), plusLeft, labelTop);
        m_txtCRB.push_back(addRowBox(panel, indexedName("txtCRB", k), imaginaryLeft, top, boxWidth, m_rowHeight));
        m_txtCRB.back()->setAccessibleName(names::rootImaginaryPart(k));
        addRowLabel(panel, indexedName("lblI", k), QStringLiteral("i)"), closeLeft, labelTop);
        m_rows->followFocus(m_txtCRA.back());
        m_rows->followFocus(m_txtCRB.back());
    }
}

void FrmCreate::LoadBars()
{
    m_rows->LoadBars(core::LoadRootBars(m_rootRowCount, m_rows->panelTwips(), m_rows->viewportTwips()));
}

void FrmCreate::clearRows()
{
    for (QObject *row : m_rows->panel()->children()) {
        row->deleteLater();
    }
    m_txtCRA.clear();
    m_txtCRB.clear();
    m_rootRowCount = 0;
}

QLineEdit *FrmCreate::box(BoxRef ref) const
{
    const auto at = static_cast<std::size_t>(ref.index - 1);
    const std::vector<QLineEdit *> &boxes = ref.array == BoxRef::Array::CRB ? m_txtCRB : m_txtCRA;
    return ref.index >= 1 && at < boxes.size() ? boxes[at] : nullptr;
}

bool FrmCreate::CheckNumericValuesCreate(core::CoefficientTexts &checked)
{
    std::vector<std::string> re;
    std::vector<std::string> im;
    for (std::size_t at = 0; at < m_txtCRA.size(); ++at) {
        re.push_back(toStd(m_txtCRA[at]->text()));
        im.push_back(toStd(m_txtCRB[at]->text()));
    }
    const core::EntryCheck check =
        core::CheckNumericValuesCreate(core::CoefficientTexts::complexPairs(std::move(re), std::move(im)));
    applyBoxCheck(m_services.messages, this, check.filledWithZero, check.notices, check.focus, [this](BoxRef ref) {
        return box(ref);
    });
    checked = check.texts;
    return !check.EntryError && !check.ConversionFailed;
}

std::optional<core::CreatorRoots> FrmCreate::typedRoots()
{
    core::CoefficientTexts checked;
    if (!CheckNumericValuesCreate(checked)) {
        return std::nullopt;
    }
    return core::TypedCreatorRoots(checked);
}

std::optional<core::CreatorRoots> FrmCreate::fileRoots() const
{
    const core::RootsFileRead &read = m_state.creator.roots;
    if (read.RootsFileError || read.ConversionFailed) {
        return std::nullopt; // already told when the file was read; its view is marked
    }
    return core::FileCreatorRoots(read.file);
}

void FrmCreate::btnCreate_Click()
{
    const auto roots = m_fromFile ? fileRoots() : typedRoots();
    if (!roots) {
        return;
    }
    const core::ComplexValue leading = m_fromFile ? m_state.creator.roots.file.leading : m_state.creator.LeadingCoef;
    const auto created = core::ShowCreatedEquation(leading, *roots, m_state.decimals());
    if (!created) {
        m_services.messages.show(msg::overflow(), this);
        return;
    }
    m_btnCancel->setText(tr("Close"));
    FrmCreateSolve window(m_services, this);
    window.fill(static_cast<int>(roots->roots.size()), *roots, *created);
    m_services.modal.run(window);
}

void FrmCreate::btnCancel_Click()
{
    reject();
}

void FrmCreate::reject()
{
    if (m_creatorOpen && m_services.messages.show(msg::confirmCloseCreator(), this) != platform::Answer::Yes) {
        return;
    }
    m_creatorOpen = false;
    clearRows();
    QDialog::reject();
}

} // namespace frontend
