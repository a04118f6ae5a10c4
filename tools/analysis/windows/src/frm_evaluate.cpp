#include "tools/analysis/frm_evaluate.h"

#include "frontend/core/number_text.h"
#include "frontend/kit/dialog_parts.h"
#include "frontend/kit/feedback.h"
#include "frontend/kit/messages.h"
#include "frontend/kit/qt_text.h"
#include "platform/clipboard.h"
#include "tools/analysis/evaluation.h"
#include "tools/analysis/messages.h"
#include "tools/analysis/x_values.h"

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

namespace
{

/// One "( re + im i)" row with its leading caption; label names are numbered from `first`.
QBoxLayout *complexRow(const QString &caption, int first, QLineEdit *re, QLineEdit *im)
{
    const auto name = [first](const char *base, int offset) -> QString {
        return QLatin1String(base) + QLatin1Char('_') + QString::number(first + offset);
    };
    QBoxLayout *layout = frontend::row({ frontend::caption(caption, qPrintable(name("lblLengthNew", 0))),
        frontend::caption(QStringLiteral("("), qPrintable(name("lblP", 0))),
        re,
        frontend::caption(QStringLiteral(" + "), qPrintable(name("lblPlus", 0))),
        im,
        frontend::caption(QStringLiteral("i)"), qPrintable(name("lblI", 0))) });
    layout->setStretch(2, 1);
    layout->setStretch(4, 1);
    return layout;
}

} // namespace

FrmEvaluate::FrmEvaluate(
    const frontend::core::Equation &equation, std::size_t decimals, platform::Services services, QWidget *parent)
    : QDialog(parent)
    , m_equation(equation)
    , m_decimals(decimals)
    , m_services(services)
{
    setObjectName(QStringLiteral("frmEvaluate"));
    setWindowTitle(tr("Kovalin - Evaluate Polynomial - ['x' Value]"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(buildInput());
    layout->addWidget(buildValue());
    layout->addLayout(buildButtons());
    frontend::setMainAction(this, "btnEvaluate");
    m_txtXA->setFocus();
}

QWidget *FrmEvaluate::buildInput()
{
    QGroupBox *group = frontend::frame(tr("Values of Unknown 'x'"), "frmEvaluatePol");
    auto *layout = new QVBoxLayout(group);
    layout->addWidget(frontend::label(
        tr("Enter the value of 'x' for which you would like to evaluate the polynomial below."), "lblLengthNew_0"));
    m_txtXA = frontend::numberBox("txtXA");
    m_txtXB = frontend::numberBox("txtXB");
    m_txtXA->setAccessibleName(tr("Real part of x"));
    m_txtXB->setAccessibleName(tr("Imaginary part of x"));
    layout->addLayout(complexRow(tr("x ="), 1, m_txtXA, m_txtXB));
    m_txtPolynomial = frontend::display("txtPolynomial", true);
    m_txtPolynomial->setAccessibleName(tr("Polynomial"));
    layout->addWidget(m_txtPolynomial);
    return group;
}

QWidget *FrmEvaluate::buildValue()
{
    QGroupBox *group = frontend::frame(tr("Value of Polynomial"), "frmArcLength");
    auto *layout = new QVBoxLayout(group);
    layout->addWidget(frontend::label(tr("Below is the value of the evaluated polynomial."), "lblLengthNew_2"));
    m_txtEvaluateA = frontend::numberDisplay("txtEvaluateA");
    m_txtEvaluateB = frontend::numberDisplay("txtEvaluateB");
    m_txtEvaluateA->setAccessibleName(tr("Real part of the value of the polynomial"));
    m_txtEvaluateB->setAccessibleName(tr("Imaginary part of the value of the polynomial"));
    layout->addLayout(complexRow(tr("Value of polynomial:"), 3, m_txtEvaluateA, m_txtEvaluateB));
    layout->addWidget(
        frontend::label(tr("A very small solution (i.e. E<-10) may actually be equal to zero."), "lblNote"));
    return group;
}

QLayout *FrmEvaluate::buildButtons()
{
    QPushButton *evaluate = frontend::button(tr("Evaluate"), "btnEvaluate", tr("Evaluate polynomial"));
    m_btnCopy = frontend::button(tr("Copy"), "btnCopy", tr("Copy polynomial's value"));
    m_btnCopy->setEnabled(false);
    m_btnClose = frontend::button(tr("Cancel"), "btnClose");
    connect(evaluate, &QPushButton::clicked, this, &FrmEvaluate::btnEvaluate_Click);
    connect(m_btnCopy, &QPushButton::clicked, this, &FrmEvaluate::btnCopy_Click);
    connect(m_btnClose, &QPushButton::clicked, this, &FrmEvaluate::btnClose_Click);
    QBoxLayout *layout = frontend::row({ evaluate, m_btnCopy, m_btnClose });
    layout->insertStretch(0);
    return layout;
}

void FrmEvaluate::setPolynomial(const QString &text)
{
    frontend::showText(m_txtPolynomial, text);
}

void FrmEvaluate::btnEvaluate_Click()
{
    frontend::guarded(m_services.messages, this, [this] {
        QLineEdit *const boxes[] = { m_txtXA, m_txtXB };
        const XValuesCheck check =
            CheckXValues({ toStd(m_txtXA->text()), toStd(m_txtXB->text()) }, ReadMode::Lenient, true);
        if (check.EntryError) {
            frontend::refuse(m_services.messages,
                this,
                boxes[check.focus.value_or(0)],
                msg::evaluateInputError(),
                check.ConversionFailed);
            return;
        }
        for (const std::size_t zeroed : check.zeroed) {
            boxes[zeroed]->setText(QStringLiteral("0"));
        }
        const Evaluation evaluation = EvaluatePolynomial(m_equation, { check.values[0], check.values[1] });
        if (evaluation.EvalOverflow) {
            m_services.messages.show(frontend::msg::overflow(), this);
            return;
        }
        frontend::showText(m_txtEvaluateA, toQt(frontend::core::FormatNumber(evaluation.value.re, m_decimals)));
        frontend::showText(m_txtEvaluateB, toQt(frontend::core::FormatNumber(evaluation.value.im, m_decimals)));
        m_savedXA = m_txtXA->text();
        m_savedXB = m_txtXB->text();
        setWindowTitle(tr("Kovalin - Evaluate Polynomial - [Evaluated]"));
        m_btnCopy->setEnabled(true);
        m_btnClose->setText(tr("Close"));
    });
}

void FrmEvaluate::btnCopy_Click()
{
    const std::string text = evaluateCopyText({ toStd(m_savedXA),
        toStd(m_savedXB),
        m_equation.texts,
        toStd(m_txtEvaluateA->text()),
        toStd(m_txtEvaluateB->text()) });
    m_services.clipboard.setText(toQt(text));
}

void FrmEvaluate::btnClose_Click()
{
    reject();
}

} // namespace tools::analysis
