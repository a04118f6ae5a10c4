#pragma once
// The table of values: the request dialog (a run of whole numbers, or a first value, interval and count)
// and the window that shows the table, selects it, copies it and saves it as CSV.

#include "frontend/core/equation.h"
#include "platform/services.h"
#include "tools/analysis/table.h"

#include <QDialog>

class QLineEdit;
class QListView;
class QPushButton;
class QRadioButton;

namespace tools::analysis
{

class TableModel;

/// Writes the table as CSV to `path`, streamed to a temporary file beside it that is renamed over it once
/// complete; false when that failed, with an existing file left as it was.
bool saveTableCsv(const ValueTable &table, const QString &path);

class FrmTableNew : public QDialog
{
    Q_OBJECT
public:
    FrmTableNew(const frontend::core::Equation &equation,
        std::size_t decimals,
        platform::Services services,
        QWidget *parent = nullptr);

    /// "y = " and the equation's one-line text, as the main window hands it over.
    void setFunction(const QString &text);

private:
    QWidget *buildFunction();
    QWidget *buildData();
    QLayout *buildButtons();

    void optIntervalOne_Click();
    void optIntervalUser_Click();
    void btnCreate_Click();
    void btnCancel_Click();

    void enableBoxes(bool wholeNumbers);
    QLineEdit *box(TableBox box) const;
    void refuse(const TableRequest &request);
    void showTable(ValueTable table);

    const frontend::core::Equation &m_equation; // outlives the window
    std::size_t m_decimals;
    platform::Services m_services;
    QLineEdit *m_txtFunction = nullptr;
    QRadioButton *m_optIntervalOne = nullptr;
    QRadioButton *m_optIntervalUser = nullptr;
    QLineEdit *m_txtOneFirst = nullptr;
    QLineEdit *m_txtOneLast = nullptr;
    QLineEdit *m_txtUserFirst = nullptr;
    QLineEdit *m_txtUserInterval = nullptr;
    QLineEdit *m_txtUserTotal = nullptr;
    QPushButton *m_btnCancel = nullptr;
};

class FrmTable : public QDialog
{
    Q_OBJECT
public:
    FrmTable(platform::Services services, ValueTable table, const QString &function, QWidget *parent = nullptr);

private:
    void btnSelectAll_Click();
    void btnCopy_Click();
    void btnSave_Click();
    void btnClose_Click();

    platform::Services m_services;
    QLineEdit *m_txtFunction = nullptr;
    QListView *m_lstTable = nullptr;
    TableModel *m_model = nullptr;
};

} // namespace tools::analysis
