#pragma once
// The arc length of the current equation's curve between two abscissae: the request dialog and the result
// window.

#include "frontend/core/equation.h"
#include "platform/services.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace tools::analysis
{

class FrmLength : public QDialog
{
    Q_OBJECT
public:
    explicit FrmLength(platform::Services services, QWidget *parent = nullptr);

    void setFunction(const QString &text);
    void setCoordinates(const QString &first, const QString &second);
    void setArcLength(const QString &text);

private:
    void btnCopy_Click();
    void btnClose_Click();

    platform::Services m_services;
    QLineEdit *m_txtFunction = nullptr;
    QLineEdit *m_txtXY1 = nullptr;
    QLineEdit *m_txtXY2 = nullptr;
    QLineEdit *m_txtArcLength = nullptr;
};

class FrmLengthNew : public QDialog
{
    Q_OBJECT
public:
    FrmLengthNew(const frontend::core::Equation &equation,
        std::size_t decimals,
        platform::Services services,
        QWidget *parent = nullptr);

    /// "y = " and the equation's one-line text, as the main window hands it over.
    void setFunction(const QString &text);

private:
    void btnCalculate_Click();
    void btnCancel_Click();

    void calculate();
    /// The curve's y at x; nothing after the overflow message (the box then has the focus).
    std::optional<double> FindYValue(const std::vector<double> &coefficients, double x, QLineEdit *box);
    /// The length text for the result window: computed here for a straight line, asked of the engine else.
    QString lengthText(const std::vector<double> &coefficients, double x1, double y1, double x2, double y2);

    const frontend::core::Equation &m_equation; // outlives the window
    std::size_t m_decimals;
    platform::Services m_services;
    QLineEdit *m_txtFunction = nullptr;
    QLineEdit *m_txtX1 = nullptr;
    QLineEdit *m_txtX2 = nullptr;
    QPushButton *m_btnCancel = nullptr;
};

} // namespace tools::analysis
