#include "tools/analysis/frm_length.h"

#include "frontend/engine_requests.h"
#include "frontend/messages.h"
#include "frontend/qt_text.h"
#include "platform/clipboard.h"
#include "platform/modal_runner.h"
#include "tool_window.h"
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
    QGroupBox *top = ui::frame("frmCalcLength", tr("Find Length of Graphed Function's Curve"));
    m_txtFunction = ui::display("txtFunction", true);
    m_txtXY1 = ui::display("txtXY1");
    m_txtXY2 = ui::display("txtXY2");
    auto *topLayout = new QVBoxLayout(top);
    topLayout->addLayout(ui::row({ ui::label(QStringLiteral("lblLength_0"), tr("Function:")), m_txtFunction }));
    topLayout->addWidget(
        ui::label(QStringLiteral("lblLength_1"), tr("Below are the function and the two given coordinates on it:")));
    topLayout->addLayout(ui::row({ ui::label(QStringLiteral("lblLength_2"), tr("Coordinates:")), m_txtXY1, m_txtXY2 }));

    QGroupBox *result = ui::frame("frmArcLength", tr("Arc Length"));
    m_txtArcLength = ui::display("txtArcLength");
    auto *resultLayout = new QVBoxLayout(result);
    resultLayout->addWidget(ui::label(QStringLiteral("lblLength_3"),
        tr("The length of the graphed curve between the two given coordinates for the function above has been "
           "calculated")));
    resultLayout->addLayout(ui::row({ ui::label(QStringLiteral("lblLength_4"), tr("Arc length:")), m_txtArcLength }));

    QPushButton *copy = ui::button("btnCopy", tr("Copy"), tr("Copy arc length"));
    QPushButton *close = ui::button("btnClose", tr("Close"));
    connect(copy, &QPushButton::clicked, this, &FrmLength::btnCopy_Click);
    connect(close, &QPushButton::clicked, this, &FrmLength::btnClose_Click);
    QBoxLayout *buttons = ui::row({ copy, close });
    buttons->insertStretch(0);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(top);
    layout->addWidget(result);
    layout->addLayout(buttons);
}

void FrmLength::setFunction(const QString &text)
{
    m_txtFunction->setText(text);
    m_txtFunction->setCursorPosition(0);
}

void FrmLength::setCoordinates(const QString &first, const QString &second)
{
    m_txtXY1->setText(first);
    m_txtXY2->setText(second);
}

void FrmLength::setArcLength(const QString &text)
{
    m_txtArcLength->setText(text);
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

FrmLengthNew::FrmLengthNew(const frontend::core::KovalinState &state, platform::Services services, QWidget *parent)
    : QDialog(parent)
    , m_state(state)
    , m_services(services)
{
    setObjectName(QStringLiteral("frmLengthNew"));
    setWindowTitle(tr("Kovalin - Length of Curve - ['x' Values]"));
    QGroupBox *group = ui::frame("frmNewLength", tr("Find Length of Graphed Function's Curve"));
    m_txtFunction = ui::display("txtFunction", true);
    m_txtX1 = ui::numberBox("txtX1");
    m_txtX2 = ui::numberBox("txtX2");
    auto *inner = new QVBoxLayout(group);
    inner->addLayout(ui::row({ ui::label(QStringLiteral("lblLengthNew_0"), tr("Function:")), m_txtFunction }));
    inner->addWidget(ui::label(QStringLiteral("lblLengthNew_1"),
        tr("For the function below, enter two values of 'x' between which you would like to find the arc length")));
    inner->addLayout(ui::row({ ui::label(QStringLiteral("lblLengthNew_2"), tr("x1:")),
        m_txtX1,
        ui::label(QStringLiteral("lblLengthNew_3"), tr("x2:")),
        m_txtX2 }));

    QPushButton *calculate = ui::button("btnCalculate", tr("Calculate"), tr("Calculate arc length"));
    m_btnCancel = ui::button("btnCancel", tr("Cancel"));
    connect(calculate, &QPushButton::clicked, this, &FrmLengthNew::btnCalculate_Click);
    connect(m_btnCancel, &QPushButton::clicked, this, &FrmLengthNew::btnCancel_Click);
    QBoxLayout *buttons = ui::row({ calculate, m_btnCancel });
    buttons->insertStretch(0);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
    m_txtX1->setFocus();
}

void FrmLengthNew::setFunction(const QString &text)
{
    m_txtFunction->setText(text);
    m_txtFunction->setCursorPosition(0);
}

void FrmLengthNew::btnCancel_Click()
{
    reject();
}

void FrmLengthNew::btnCalculate_Click()
{
    ui::guarded(m_services.messages, this, [this] {
        calculate();
    });
}

std::optional<double> FrmLengthNew::FindYValue(const std::vector<double> &coefficients, double x, QLineEdit *box)
{
    const auto y = analysis::FindYValue(coefficients, x);
    if (!y) {
        m_services.messages.show(msg::overflow(), this);
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
    const auto values = frontend::core::CoefficientValues(m_state.coefficients());
    if (!values) {
        m_services.messages.show(msg::overflow(), this);
        return;
    }
    const std::vector<double> c = RealParts(*values);
    const auto y1 = FindYValue(c, request.x1, m_txtX1);
    const auto y2 = y1 ? FindYValue(c, request.x2, m_txtX2) : std::nullopt;
    if (!y2) {
        return;
    }
    FrmLength window(m_services, this);
    window.setFunction(m_txtFunction->text());
    window.setArcLength(lengthText(c, request.x1, *y1, request.x2, *y2));
    const std::size_t decimals = m_state.decimals();
    window.setCoordinates(toQt(CoordinatesText(toStd(m_txtX1->text()), *y1, decimals)),
        toQt(CoordinatesText(toStd(m_txtX2->text()), *y2, decimals)));
    m_services.modal.run(window);
}

QString FrmLengthNew::lengthText(const std::vector<double> &coefficients, double x1, double y1, double x2, double y2)
{
    if (coefficients.size() > 2) {
        return frontend::RunLengthRequest(m_state, x1, x2, m_services, this);
    }
    const auto length = StraightLineLength(x1, y1, x2, y2, m_state.decimals());
    return length ? toQt(*length) : frontend::msg::inputTooLarge();
}

} // namespace tools::analysis
