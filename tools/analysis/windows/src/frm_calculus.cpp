#include "tools/analysis/frm_calculus.h"

#include "frontend/core/text_file.h"
#include "frontend/kit/accessible_names.h"
#include "frontend/kit/dialog_parts.h"
#include "frontend/kit/feedback.h"
#include "frontend/kit/messages.h"
#include "frontend/kit/qt_text.h"
#include "limits_refusal.h"
#include "platform/clipboard.h"
#include "platform/file_dialogs.h"
#include "platform/modal_runner.h"
#include "platform/twips.h"
#include "tools/analysis/evaluation.h"
#include "tools/analysis/messages.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace tools::analysis
{

using frontend::toQt;
using frontend::toStd;

namespace
{

// Heights of the result windows, in twips: the button frame fills the last 930 twips.
constexpr int buttonFrameHeight = 930;
constexpr int shortWindow = 6120; // no point result: button frame at 5190
constexpr int tallWindow = 7065; // with the point result: button frame at 6135

QString pointText(const QString &typed)
{
    return QLatin1Char('(') + typed + QLatin1Char(')');
}

} // namespace

CalculusResultWindow::CalculusResultWindow(
    platform::Services services, CalculusKind kind, const Names &names, QWidget *parent)
    : QDialog(parent)
    , m_services(services)
    , m_kind(kind)
{
    setObjectName(QLatin1String(names.window));
    setWindowTitle(names.caption);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(
        layout->contentsMargins().left(), layout->contentsMargins().top(), layout->contentsMargins().right(), 0);
    layout->addWidget(buildTop(names));
    layout->addWidget(buildPoint(names));
    layout->addWidget(buildResult(names), 1);
    layout->addWidget(buildButtons(names));
    setMinimumWidth(platform::twipsToPixels(7200, this));
}

QWidget *CalculusResultWindow::buildTop(const Names &names)
{
    QGroupBox *group = frontend::frame(names.topFrame, "frmCalcLength");
    auto *layout = new QVBoxLayout(group);
    m_txtFunction = frontend::display("txtFunction", true);
    QLabel *function = frontend::caption(tr("Original function:"), "lblFunction");
    frontend::names::nameAfter(m_txtFunction, function);
    layout->addLayout(frontend::row({ function, m_txtFunction }));
    auto *points = new QHBoxLayout;
    m_pointRow = points;
    layout->addLayout(points);
    return group;
}

QWidget *CalculusResultWindow::buildPoint(const Names &names)
{
    m_pointFrame = frontend::frame(names.pointFrameTitle, names.pointFrame);
    m_pointValue = frontend::numberDisplay(names.pointValue);
    auto *layout = new QVBoxLayout(m_pointFrame);
    QLabel *point = frontend::caption(names.pointCaption, "lblPoint");
    frontend::names::nameAfter(m_pointValue, point);
    layout->addLayout(frontend::row({ point, m_pointValue }));
    return m_pointFrame;
}

QWidget *CalculusResultWindow::buildResult(const Names &names)
{
    QGroupBox *group = frontend::frame(names.resultFrame, "frmEquation");
    auto *layout = new QVBoxLayout(group);
    layout->addWidget(frontend::label(names.resultLabel, "lblEquation"));
    m_line = frontend::display(names.line, true);
    m_list = new QListWidget;
    m_list->setObjectName(QLatin1String(names.list));
    m_list->setFont(frontend::fixedFont());
    m_line->setAccessibleName(names.resultFrame);
    m_list->setAccessibleName(tr("Terms of the %1").arg(names.resultFrame));
    layout->addWidget(m_line);
    layout->addWidget(m_list, 1);
    return group;
}

QWidget *CalculusResultWindow::buildButtons(const Names &names)
{
    m_frmButtons = new QWidget;
    m_frmButtons->setObjectName(QStringLiteral("frmButtons"));
    m_frmButtons->setFixedHeight(platform::twipsToPixels(buttonFrameHeight, this));
    QPushButton *copy = frontend::button(tr("Copy"), "btnCopy", names.copyTip);
    QPushButton *close = frontend::button(tr("Close"), "btnClose");
    close->setDefault(true); // Enter in the list closes, as in the other result windows
    QPushButton *save = frontend::button(tr("Save"), "btnSave", names.saveTip);
    connect(copy, &QPushButton::clicked, this, &CalculusResultWindow::btnCopy_Click);
    connect(close, &QPushButton::clicked, this, &CalculusResultWindow::btnClose_Click);
    connect(save, &QPushButton::clicked, this, &CalculusResultWindow::btnSave_Click);
    QBoxLayout *buttons = frontend::row({ copy, close, save });
    buttons->insertStretch(0);
    m_frmButtons->setLayout(buttons);
    return m_frmButtons;
}

void CalculusResultWindow::showResult(const CalculusResult &result, const QString &function)
{
    m_result = result;
    frontend::showText(m_txtFunction, function);
    frontend::showText(m_line, toQt(result.line));
    m_list->clear();
    for (const std::string &entry : result.list) {
        m_list->addItem(toQt(entry));
    }
    const bool withPoint = result.pointValue.has_value();
    frontend::showText(m_pointValue, toQt(result.pointValue.value_or(std::string())));
    m_pointFrame->setVisible(withPoint);
    // The height the window has by its description, or more where larger fonts need it for their texts.
    const int width = std::max(sizeHint().width(), minimumWidth());
    setFixedHeight(std::max(platform::twipsToPixels(withPoint ? tallWindow : shortWindow, this),
        layout()->totalMinimumHeightForWidth(width)));
}

void CalculusResultWindow::btnCopy_Click()
{
    m_services.clipboard.setText(m_line->text());
}

void CalculusResultWindow::btnClose_Click()
{
    reject();
}

void CalculusResultWindow::btnSave_Click()
{
    const bool derivative = m_kind == CalculusKind::Derivative;
    const auto path = m_services.fileDialogs.saveFile(this, derivative ? msg::saveDerivative() : msg::saveIntegral());
    if (!path || path->isEmpty()) {
        return;
    }
    if (!frontend::core::writeLines(frontend::toPath(*path), CalculusFileLines(m_kind, m_result))) {
        m_services.messages.show(msg::saveFailed(*path), this);
    }
}

FrmCalculusD::FrmCalculusD(platform::Services services, QWidget *parent)
    : CalculusResultWindow(services,
        CalculusKind::Derivative,
        { "frmCalculusD",
            tr("Kovalin - Derivative of Function - [Calculated]"),
            tr("Find Derivative of Function"),
            "frmSlope",
            tr("Slope of Tangent at 'x'"),
            tr("df(x)/dx = "),
            "txtEvalDiff",
            tr("Derivative of Function"),
            tr("Below is the derivative of the above function:"),
            "txtDiff",
            "lstDiff",
            tr("Copy derivative"),
            tr("Save derivative") },
        parent)
{
    m_txtX = frontend::display("txtX");
    QLabel *x = frontend::caption(tr("x = "), "lblX");
    frontend::names::nameAfter(m_txtX, x);
    pointRow()->addWidget(x);
    pointRow()->addWidget(m_txtX);
}

void FrmCalculusD::setPoint(const QString &text)
{
    m_txtX->setText(text);
}

FrmCalculusI::FrmCalculusI(platform::Services services, QWidget *parent)
    : CalculusResultWindow(services,
        CalculusKind::Integral,
        { "frmCalculusI",
            tr("Kovalin - Integral of Function - [Calculated]"),
            tr("Find Integral of Function"),
            "frmArea",
            tr("Integral Between 'x1' and 'x2'"),
            tr("F(x) = "),
            "txtEvalInteg",
            tr("Integral of Function"),
            tr("Below is the integral of the above function:"),
            "txtInteg",
            "lstInteg",
            tr("Copy differential"),
            tr("Save differential") },
        parent)
{
    m_txtX1 = frontend::display("txtX1");
    m_txtX2 = frontend::display("txtX2");
    QLabel *x1 = frontend::caption(tr("x1 = "), "lblX1");
    QLabel *x2 = frontend::caption(tr("x2 = "), "lblX2");
    frontend::names::nameAfter(m_txtX1, x1);
    frontend::names::nameAfter(m_txtX2, x2);
    pointRow()->addWidget(x1);
    pointRow()->addWidget(m_txtX1);
    pointRow()->addWidget(x2);
    pointRow()->addWidget(m_txtX2);
}

void FrmCalculusI::setPoints(const QString &first, const QString &second)
{
    m_txtX1->setText(first);
    m_txtX2->setText(second);
}

FrmCalculusNew::FrmCalculusNew(
    const frontend::core::Equation &equation, std::size_t decimals, platform::Services services, QWidget *parent)
    : QDialog(parent)
    , m_equation(equation)
    , m_decimals(decimals)
    , m_services(services)
{
    setObjectName(QStringLiteral("frmCalculusNew"));
    setWindowTitle(tr("Kovalin - Differentiate/Integrate - ['x' Values]"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(buildChoice());
    layout->addLayout(buildButtons());
    frontend::setMainAction(this, "btnCalculate");
    optDiff_Click();
    m_txtDiff->setFocus();
}

QWidget *FrmCalculusNew::buildChoice()
{
    QGroupBox *group = frontend::frame(tr("Find Differential/Integral of Function"), "frmNewCalculus");
    auto *layout = new QVBoxLayout(group);
    layout->addWidget(
        frontend::label(tr("Would you like to differentiate or integrate the function below?"), "lblCalculusNew_0"));
    m_txtFunction = frontend::display("txtFunction", true);
    QLabel *function = frontend::caption(tr("Function:"), "lblCalculusNew_1");
    frontend::names::nameAfter(m_txtFunction, function);
    layout->addLayout(frontend::row({ function, m_txtFunction }));
    m_optDiff = frontend::radio(tr("&Differentiate"), "optDiff");
    m_optDiff->setChecked(true);
    m_optInteg = frontend::radio(tr("&Integrate"), "optInteg");
    QBoxLayout *options = frontend::row({ m_optDiff, m_optInteg });
    options->addStretch(1); // each option only as wide as its text, which is where a click takes it
    layout->addLayout(options);

    m_frmDiff = frontend::frame(QString(), "frmDiff");
    m_txtDiff = frontend::numberBox("txtDiff", QStringLiteral("x"));
    auto *diff = new QVBoxLayout(m_frmDiff);
    diff->addWidget(frontend::label(tr("Find the tangent's slope at"), "lblDiff"));
    QLabel *x = frontend::caption(tr("x = "), "lblCalculusNew_2");
    frontend::names::nameAfter(m_txtDiff, x);
    diff->addLayout(frontend::row({ x, m_txtDiff }));

    m_frmInteg = frontend::frame(QString(), "frmInteg");
    m_txtInteg1 = frontend::numberBox("txtInteg1", QStringLiteral("x"));
    m_txtInteg2 = frontend::numberBox("txtInteg2", QStringLiteral("x"));
    auto *integ = new QVBoxLayout(m_frmInteg);
    integ->addWidget(frontend::label(tr("Find the area under the curve between"), "Label1"));
    integ->addLayout(frontend::row({ frontend::captionFor(tr("x1 = "), "lblCalculusNew_3", m_txtInteg1),
        m_txtInteg1,
        frontend::captionFor(tr("x2 = "), "lblCalculusNew_4", m_txtInteg2),
        m_txtInteg2 }));
    // One place for the two frames, as large as the larger needs: the dialog opens with room for either.
    m_frames = new QStackedWidget;
    m_frames->addWidget(m_frmDiff);
    m_frames->addWidget(m_frmInteg);
    layout->addWidget(m_frames);
    connect(m_optDiff, &QRadioButton::clicked, this, &FrmCalculusNew::optDiff_Click);
    connect(m_optInteg, &QRadioButton::clicked, this, &FrmCalculusNew::optInteg_Click);
    return group;
}

QLayout *FrmCalculusNew::buildButtons()
{
    m_btnCancel = frontend::button(tr("Cancel"), "btnCancel");
    QPushButton *calculate = frontend::button(tr("Calculate"), "btnCalculate");
    connect(m_btnCancel, &QPushButton::clicked, this, &FrmCalculusNew::btnCancel_Click);
    connect(calculate, &QPushButton::clicked, this, &FrmCalculusNew::btnCalculate_Click);
    QBoxLayout *layout = frontend::row({ calculate, m_btnCancel });
    layout->insertStretch(0);
    return layout;
}

void FrmCalculusNew::setFunction(const QString &text)
{
    frontend::showText(m_txtFunction, text);
}

void FrmCalculusNew::optDiff_Click()
{
    m_frames->setCurrentWidget(m_frmDiff);
}

void FrmCalculusNew::optInteg_Click()
{
    m_frames->setCurrentWidget(m_frmInteg);
}

void FrmCalculusNew::btnCancel_Click()
{
    reject();
}

void FrmCalculusNew::btnCalculate_Click()
{
    frontend::guarded(m_services.messages, this, [this] {
        if (m_optDiff->isChecked()) {
            calculateDerivative();
        } else {
            calculateIntegral();
        }
    });
}

void FrmCalculusNew::calculateDerivative()
{
    m_txtDiff->setText(m_txtDiff->text().toLower());
    const DiffRequest request = CheckDiffRequest(toStd(m_txtDiff->text()));
    if (request.EntryError) {
        frontend::refuse(m_services.messages, this, m_txtDiff, msg::diffInputError(), request.ConversionFailed);
        return;
    }
    if (request.zeroed) {
        m_txtDiff->setText(QStringLiteral("0"));
    }
    const CalculusResult result = Differentiate(realParts(m_equation.values), request.x, m_decimals);
    if (result.overflow) {
        m_services.messages.show(frontend::msg::overflow(), this);
        return;
    }
    FrmCalculusD window(m_services, this);
    window.showResult(result, m_txtFunction->text());
    window.setPoint(request.x ? pointText(m_txtDiff->text()) : QStringLiteral("(x)"));
    m_services.modal.run(window);
    m_btnCancel->setText(tr("Close"));
}

void FrmCalculusNew::calculateIntegral()
{
    m_txtInteg1->setText(m_txtInteg1->text().toLower());
    m_txtInteg2->setText(m_txtInteg2->text().toLower());
    const IntegRequest request = CheckIntegRequest(toStd(m_txtInteg1->text()), toStd(m_txtInteg2->text()));
    if (request.missing != MissingValue::None) {
        const bool first = request.missing == MissingValue::First;
        frontend::refuse(m_services.messages,
            this,
            first ? m_txtInteg1 : m_txtInteg2,
            first ? msg::integFirstMissing() : msg::integSecondMissing());
        return;
    }
    if (request.limits
        && !ui::acceptLimits(m_services.messages,
            this,
            m_txtInteg1,
            m_txtInteg2,
            *request.limits,
            { msg::integInputError(), msg::integSecondNotGreater(), msg::integSameValues() })) {
        return;
    }
    std::optional<std::pair<double, double>> limits;
    if (request.limits) {
        limits = std::pair { request.limits->x1, request.limits->x2 };
    }
    const CalculusResult result = Integrate(realParts(m_equation.values), limits, m_decimals);
    if (result.overflow) {
        m_services.messages.show(frontend::msg::overflow(), this);
        return;
    }
    FrmCalculusI window(m_services, this);
    window.showResult(result, m_txtFunction->text());
    if (request.limits) {
        window.setPoints(pointText(m_txtInteg1->text()), pointText(m_txtInteg2->text()));
    } else {
        window.setPoints(QStringLiteral("(x)"), QStringLiteral("(x)"));
    }
    m_services.modal.run(window);
    m_btnCancel->setText(tr("Close"));
}

} // namespace tools::analysis
