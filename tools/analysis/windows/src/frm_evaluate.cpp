#include "tools/analysis/frm_evaluate.h"

#include "frontend/core/number_text.h"
#include "frontend/qt_text.h"
#include "platform/clipboard.h"
#include "tool_window.h"
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
    QBoxLayout *layout = ui::row({ ui::label(name("lblLengthNew", 0), caption),
        ui::label(name("lblP", 0), QStringLiteral("(")),
        re,
        ui::label(name("lblPlus", 0), QStringLiteral(" + ")),
        im,
        ui::label(name("lblI", 0), QStringLiteral("i)")) });
    layout->setStretch(2, 1);
    layout->setStretch(4, 1);
    return layout;
}

} // namespace

FrmEvaluate::FrmEvaluate(const frontend::core::KovalinState &state, platform::Services services, QWidget *parent)
    : QDialog(parent)
    , m_state(state)
    , m_services(services)
{
    setObjectName(QStringLiteral("frmEvaluate"));
    setWindowTitle(tr("Kovalin - Evaluate Polynomial - ['x' Value]"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(buildInput());
    layout->addWidget(buildValue());
    layout->addLayout(buildButtons());
    m_txtXA->setFocus();
}

QWidget *FrmEvaluate::buildInput()
{
    QGroupBox *group = ui::frame("frmEvaluatePol", tr("Values of Unknown 'x'"));
    auto *layout = new QVBoxLayout(group);
    layout->addWidget(ui::label(QStringLiteral("lblLengthNew_0"),
        tr("Enter the value of 'x' for which you would like to evaluate the polynomial below.")));
    m_txtXA = ui::numberBox("txtXA");
    m_txtXB = ui::numberBox("txtXB");
    layout->addLayout(complexRow(tr("x ="), 1, m_txtXA, m_txtXB));
    m_txtPolynomial = ui::display("txtPolynomial", true);
    layout->addWidget(m_txtPolynomial);
    return group;
}

QWidget *FrmEvaluate::buildValue()
{
    QGroupBox *group = ui::frame("frmArcLength", tr("Value of Polynomial"));
    auto *layout = new QVBoxLayout(group);
    layout->addWidget(
        ui::label(QStringLiteral("lblLengthNew_2"), tr("Below is the value of the evaluated polynomial.")));
    m_txtEvaluateA = ui::display("txtEvaluateA");
    m_txtEvaluateB = ui::display("txtEvaluateB");
    layout->addLayout(complexRow(tr("Value of polynomial:"), 3, m_txtEvaluateA, m_txtEvaluateB));
    layout->addWidget(
        ui::label(QStringLiteral("lblNote"), tr("A very small solution (i.e. E<-10) may actually be equal to zero.")));
    return group;
}

QLayout *FrmEvaluate::buildButtons()
{
    QPushButton *evaluate = ui::button("btnEvaluate", tr("Evaluate"), tr("Evaluate polynomial"));
    m_btnCopy = ui::button("btnCopy", tr("Copy"), tr("Copy polynomial's value"));
    m_btnCopy->setEnabled(false);
    m_btnClose = ui::button("btnClose", tr("Cancel"));
    connect(evaluate, &QPushButton::clicked, this, &FrmEvaluate::btnEvaluate_Click);
    connect(m_btnCopy, &QPushButton::clicked, this, &FrmEvaluate::btnCopy_Click);
    connect(m_btnClose, &QPushButton::clicked, this, &FrmEvaluate::btnClose_Click);
    QBoxLayout *layout = ui::row({ evaluate, m_btnCopy, m_btnClose });
    layout->insertStretch(0);
    return layout;
}

void FrmEvaluate::setPolynomial(const QString &text)
{
    m_txtPolynomial->setText(text);
    m_txtPolynomial->setCursorPosition(0);
}

void FrmEvaluate::btnEvaluate_Click()
{
    ui::guarded(m_services.messages, this, [this] {
        QLineEdit *const boxes[] = { m_txtXA, m_txtXB };
        const XValuesCheck check =
            CheckXValues({ toStd(m_txtXA->text()), toStd(m_txtXB->text()) }, ReadMode::Lenient, true);
        if (check.EntryError) {
            ui::refuse(m_services.messages,
                this,
                boxes[check.focus.value_or(0)],
                msg::evaluateInputError(),
                check.ConversionFailed);
            return;
        }
        for (const std::size_t zeroed : check.zeroed) {
            boxes[zeroed]->setText(QStringLiteral("0"));
        }
        const Evaluation evaluation = EvaluatePolynomial(m_state.coefficients(), { check.values[0], check.values[1] });
        if (evaluation.EvalOverflow) {
            m_services.messages.show(msg::overflow(), this);
            return;
        }
        m_txtEvaluateA->setText(toQt(frontend::core::FormatNumber(evaluation.value.re, m_state.decimals())));
        m_txtEvaluateB->setText(toQt(frontend::core::FormatNumber(evaluation.value.im, m_state.decimals())));
        m_savedXA = m_txtXA->text();
        m_savedXB = m_txtXB->text();
        setWindowTitle(tr("Kovalin - Evaluate Polynomial - [Evaluated]"));
        m_btnCopy->setEnabled(true);
        m_btnClose->setText(tr("Close"));
    });
}

void FrmEvaluate::btnCopy_Click()
{
    const std::string text = EvaluateCopyText({ toStd(m_savedXA),
        toStd(m_savedXB),
        m_state.coefficients(),
        toStd(m_txtEvaluateA->text()),
        toStd(m_txtEvaluateB->text()) });
    m_services.clipboard.setText(toQt(text));
}

void FrmEvaluate::btnClose_Click()
{
    reject();
}

} // namespace tools::analysis
