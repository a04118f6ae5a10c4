#pragma once
// Derivative and integral: the request dialog and the two result windows.

#include "frontend/core/equation.h"
#include "platform/services.h"
#include "tools/analysis/calculus.h"

#include <QDialog>

class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QStackedWidget;

namespace tools::analysis
{

/// What the two result windows share: the function, the point frame, the new polynomial as one line and as
/// a list, Copy and Save.
class CalculusResultWindow : public QDialog
{
    Q_OBJECT
public:
    /// Fills the window; the point frame shows when the result has a value at the point(s).
    void showResult(const CalculusResult &result, const QString &function);

protected:
    struct Names {
        const char *window;
        QString caption;
        QString topFrame;
        const char *pointFrame;
        QString pointFrameTitle;
        QString pointCaption;
        const char *pointValue;
        QString resultFrame;
        QString resultLabel;
        const char *line;
        const char *list;
        QString copyTip;
        QString saveTip;
    };
    CalculusResultWindow(platform::Services services, CalculusKind kind, const Names &names, QWidget *parent);

    /// The row of point boxes inside the top frame (the subclass adds them).
    QLayout *pointRow() const { return m_pointRow; }

private:
    QWidget *buildTop(const Names &names);
    QWidget *buildPoint(const Names &names);
    QWidget *buildResult(const Names &names);
    QWidget *buildButtons(const Names &names);

    void btnCopy_Click();
    void btnClose_Click();
    void btnSave_Click();

    platform::Services m_services;
    CalculusKind m_kind;
    CalculusResult m_result;
    QLayout *m_pointRow = nullptr;
    QLineEdit *m_txtFunction = nullptr;
    QGroupBox *m_pointFrame = nullptr;
    QLineEdit *m_pointValue = nullptr;
    QLineEdit *m_line = nullptr;
    QListWidget *m_list = nullptr;
    QWidget *m_frmButtons = nullptr;
};

class FrmCalculusD : public CalculusResultWindow
{
    Q_OBJECT
public:
    explicit FrmCalculusD(platform::Services services, QWidget *parent = nullptr);
    /// "(x)" without a point, else "(" + the point as typed + ")".
    void setPoint(const QString &text);

private:
    QLineEdit *m_txtX = nullptr;
};

class FrmCalculusI : public CalculusResultWindow
{
    Q_OBJECT
public:
    explicit FrmCalculusI(platform::Services services, QWidget *parent = nullptr);
    void setPoints(const QString &first, const QString &second);

private:
    QLineEdit *m_txtX1 = nullptr;
    QLineEdit *m_txtX2 = nullptr;
};

class FrmCalculusNew : public QDialog
{
    Q_OBJECT
public:
    FrmCalculusNew(const frontend::core::Equation &equation,
        std::size_t decimals,
        platform::Services services,
        QWidget *parent = nullptr);

    /// "f(x) = " and the equation's one-line text, as the main window hands it over.
    void setFunction(const QString &text);

private:
    QWidget *buildChoice();
    QLayout *buildButtons();

    void optDiff_Click();
    void optInteg_Click();
    void btnCalculate_Click();
    void btnCancel_Click();

    void calculateDerivative();
    void calculateIntegral();

    const frontend::core::Equation &m_equation; // outlives the window
    std::size_t m_decimals;
    platform::Services m_services;
    QLineEdit *m_txtFunction = nullptr;
    QRadioButton *m_optDiff = nullptr;
    QRadioButton *m_optInteg = nullptr;
    QGroupBox *m_frmDiff = nullptr;
    QGroupBox *m_frmInteg = nullptr;
    QStackedWidget *m_frames = nullptr; // holds frmDiff and frmInteg, one shown at a time
    QLineEdit *m_txtDiff = nullptr;
    QLineEdit *m_txtInteg1 = nullptr;
    QLineEdit *m_txtInteg2 = nullptr;
    QPushButton *m_btnCancel = nullptr;
};

} // namespace tools::analysis
