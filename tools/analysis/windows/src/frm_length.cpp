#include "tools/analysis/frm_length.h"

#include "frontend/kit/dialog_parts.h"
#include "frontend/kit/engine_requests.h"
#include "frontend/kit/feedback.h"
#include "frontend/kit/messages.h"
#include "frontend/kit/qt_text.h"
#include "limits_refusal.h"
#include "platform/clipboard.h"
#include "platform/modal_runner.h"
#include "tools/analysis/arc_length.h"
#include "tools/analysis/evaluation.h"
#include "tools/analysis/messages.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tools::analysis
{

using frontend::toQt;
using frontend::toStd;

FrmLength::FrmLength(platform::Services services, QWidget *parent)
    : QDialog(parent)
    , m_services(services)
{
    setObjectName(QStringLiteral("frmLength"));
    setWindowTitle(tr("Kovalin - Length of Curve - [Calculated]"));
    QGroupBox *top = frontend::frame(tr("Find Length of Graphed Function's Curve"), "frmCalcLength");
    m_txtFunction = frontend::display("txtFunction", true);
    m_txtXY1 = frontend::display("txtXY1");
    m_txtXY2 = frontend::display("txtXY2");
    auto *topLayout = new QVBoxLayout(top);
    topLayout->addLayout(
        frontend::row({ frontend::captionFor(tr("Function:"), "lblLength_0", m_txtFunction), m_txtFunction }));
    topLayout->addWidget(
        frontend::label(tr("Below are the function and the two given coordinates on it:"), "lblLength_1"));
    m_txtXY1->setAccessibleName(tr("Coordinates of the first point"));
    m_txtXY2->setAccessibleName(tr("Coordinates of the second point"));
    topLayout->addLayout(frontend::row({ frontend::caption(tr("Coordinates:"), "lblLength_2"), m_txtXY1, m_txtXY2 }));

    QGroupBox *result = frontend::frame(tr("Arc Length"), "frmArcLength");
    m_txtArcLength = frontend::numberDisplay("txtArcLength");
    auto *resultLayout = new QVBoxLayout(result);
    resultLayout->addWidget(frontend::label(
        tr("The length of the graphed curve between the two given coordinates for the function above has been "
           "calculated"),
        "lblLength_3"));
    resultLayout->addLayout(
        frontend::row({ frontend::captionFor(tr("Arc length:"), "lblLength_4", m_txtArcLength), m_txtArcLength }));

    QPushButton *copy = frontend::button(tr("Copy"), "btnCopy", tr("Copy arc length"));
    QPushButton *close = frontend::button(tr("Close"), "btnClose");
    close->setDefault(true); // as in the other result windows
    connect(copy, &QPushButton::clicked, this, &FrmLength::btnCopy_Click);
    connect(close, &QPushButton::clicked, this, &FrmLength::btnClose_Click);
    QBoxLayout *buttons = frontend::row({ copy, close });
    buttons->insertStretch(0);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(top);
    layout->addWidget(result);
    layout->addLayout(buttons);
}

void FrmLength::setFunction(const QString &text)
{
    frontend::showText(m_txtFunction, text);
}

void FrmLength::setCoordinates(const QString &first, const QString &second)
{
    frontend::showText(m_txtXY1, first);
    frontend::showText(m_txtXY2, second);
}

void FrmLength::setArcLength(const QString &text)
{
    frontend::showText(m_txtArcLength, text);
}

void FrmLength::btnCopy_Click()
{
    m_services.clipboard.setText(
        toQt(LengthCopyText(toStd(m_txtXY1->text()), toStd(m_txtXY2->text()), toStd(m_txtArcLength->text()))));
}

void FrmLength::btnClose_Click()
{
    reject();
}

FrmLengthNew::FrmLengthNew(
    const frontend::core::Equation &equation, std::size_t decimals, platform::Services services, QWidget *parent)
    : QDialog(parent)
    , m_equation(equation)
    , m_decimals(decimals)
    , m_services(services)
{
    setObjectName(QStringLiteral("frmLengthNew"));
    setWindowTitle(tr("Kovalin - Length of Curve - ['x' Values]"));
    QGroupBox *group = frontend::frame(tr("Find Length of Graphed Function's Curve"), "frmNewLength");
    m_txtFunction = frontend::display("txtFunction", true);
    m_txtX1 = frontend::numberBox("txtX1");
    m_txtX2 = frontend::numberBox("txtX2");
    auto *inner = new QVBoxLayout(group);
    inner->addLayout(
        frontend::row({ frontend::captionFor(tr("Function:"), "lblLengthNew_0", m_txtFunction), m_txtFunction }));
    inner->addWidget(frontend::label(
        tr("For the function below, enter two values of 'x' between which you would like to find the arc length"),
        "lblLengthNew_1"));
    inner->addLayout(frontend::row({ frontend::captionFor(tr("x1:"), "lblLengthNew_2", m_txtX1),
        m_txtX1,
        frontend::captionFor(tr("x2:"), "lblLengthNew_3", m_txtX2),
        m_txtX2 }));

    QPushButton *calculate = frontend::button(tr("Calculate"), "btnCalculate", tr("Calculate arc length"));
    m_btnCancel = frontend::button(tr("Cancel"), "btnCancel");
    connect(calculate, &QPushButton::clicked, this, &FrmLengthNew::btnCalculate_Click);
    connect(m_btnCancel, &QPushButton::clicked, this, &FrmLengthNew::btnCancel_Click);
    QBoxLayout *buttons = frontend::row({ calculate, m_btnCancel });
    buttons->insertStretch(0);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
    frontend::setMainAction(this, "btnCalculate");
    m_txtX1->setFocus();
}

void FrmLengthNew::setFunction(const QString &text)
{
    frontend::showText(m_txtFunction, text);
}

void FrmLengthNew::btnCancel_Click()
{
    reject();
}

void FrmLengthNew::btnCalculate_Click()
{
    frontend::guarded(m_services.messages, this, [this] {
        calculate();
    });
}

std::optional<double> FrmLengthNew::FindYValue(const std::vector<double> &coefficients, double x, QLineEdit *box)
{
    const auto y = analysis::FindYValue(coefficients, x);
    if (!y) {
        m_services.messages.show(frontend::msg::overflow(), this);
        box->setFocus();
    }
    return y;
}

void FrmLengthNew::calculate()
{
    const LimitsRequest request = CheckLengthRequest(toStd(m_txtX1->text()), toStd(m_txtX2->text()));
    if (!ui::acceptLimits(m_services.messages,
            this,
            m_txtX1,
            m_txtX2,
            request,
            { msg::lengthInputError(), msg::lengthSecondNotGreater(), msg::lengthSameValues() })) {
        return;
    }
    m_btnCancel->setText(tr("Close"));
    const std::vector<double> c = realParts(m_equation.values);
    const auto y1 = FindYValue(c, request.x1, m_txtX1);
    const auto y2 = y1 ? FindYValue(c, request.x2, m_txtX2) : std::nullopt;
    if (!y2) {
        return;
    }
    FrmLength window(m_services, this);
    window.setFunction(m_txtFunction->text());
    window.setArcLength(lengthText(c, request.x1, *y1, request.x2, *y2));
    const std::size_t decimals = m_decimals;
    window.setCoordinates(toQt(CoordinatesText(toStd(m_txtX1->text()), *y1, decimals)),
        toQt(CoordinatesText(toStd(m_txtX2->text()), *y2, decimals)));
    m_services.modal.run(window);
}

QString FrmLengthNew::lengthText(const std::vector<double> &coefficients, double x1, double y1, double x2, double y2)
{
    if (coefficients.size() > 2) {
        return frontend::runLengthRequest(m_equation, x1, x2, m_decimals, m_services, this);
    }
    const auto length = StraightLineLength(x1, y1, x2, y2, m_decimals);
    return length ? toQt(*length) : frontend::msg::inputTooLarge();
}

} // namespace tools::analysis
