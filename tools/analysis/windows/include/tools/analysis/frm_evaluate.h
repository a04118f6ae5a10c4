#pragma once
// The evaluation dialog: the value of the current equation's polynomial at a real or complex x.

#include "frontend/core/equation.h"
#include "platform/services.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace tools::analysis
{

class FrmEvaluate : public QDialog
{
    Q_OBJECT
public:
    FrmEvaluate(const frontend::core::Equation &equation,
        std::size_t decimals,
        platform::Services services,
        QWidget *parent = nullptr);

    /// The polynomial's one-line text, as the main window hands it over.
    void setPolynomial(const QString &text);

private:
    QWidget *buildInput();
    QWidget *buildValue();
    QLayout *buildButtons();

    void btnEvaluate_Click();
    void btnCopy_Click();
    void btnClose_Click();

    const frontend::core::Equation &m_equation; // outlives the window
    std::size_t m_decimals;
    platform::Services m_services;
    QLineEdit *m_txtXA = nullptr;
    QLineEdit *m_txtXB = nullptr;
    QLineEdit *m_txtPolynomial = nullptr;
    QLineEdit *m_txtEvaluateA = nullptr;
    QLineEdit *m_txtEvaluateB = nullptr;
    QPushButton *m_btnClose = nullptr;
    QPushButton *m_btnCopy = nullptr;
    // the x texts that produced the shown value (what Copy writes, whatever the boxes hold now)
    QString m_savedXA;
    QString m_savedXB;
};

} // namespace tools::analysis
