#pragma once
// The solver's main window: the current equation as rows of coefficient boxes (or a file view), and
// every action on it.

#include "frontend/core/state.h"
#include "frontend/panels.h"
#include "platform/services.h"

#include <QMainWindow>

#include <memory>
#include <optional>
#include <vector>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace frontend
{

class ActionLauncher;
class FrmIcon;
class ScrollingRows;

class FrmKovalin : public QMainWindow
{
    Q_OBJECT
public:
    /// Builds the window for the equation the new-equation dialog prepared in `state`.
    FrmKovalin(core::KovalinState &state, platform::Services services, ActionLauncher &actions);
    ~FrmKovalin() override;

    /// Sizes both scroll bars for the rows.
    void LoadBars();
    /// Puts the focus into the leading coefficient's box (typed equations).
    void focusLeadingBox();

    /// Runs the equation check (complex gate first when `gate`); the current equation when it passed,
    /// else nothing. Messages, box rewrites, focus and file marks are applied here.
    const core::Equation *checkedEquation(bool gate);

Q_SIGNALS:
    /// The user confirmed New: the window has closed, the new-equation dialog is due.
    void newEquationConfirmed();
    /// The user confirmed Exit: the program ends.
    void exitConfirmed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    QWidget *buildEntry();
    QWidget *buildActions();
    QWidget *buildRealPanel();
    QWidget *buildComplexPanel();
    QWidget *buildFilePanel();
    QPushButton *addButton(const char *name, const QString &caption, const QString &tip, void (FrmKovalin::*handler)());
    QAction *addItem(QMenu *menu, const char *name, const QString &caption, void (FrmKovalin::*handler)());
    QLineEdit *addBox(QWidget *panel, const QString &name, int x, int y, int widthTwips);

    void Form_Load();
    void LoadReal(int degree);
    void LoadComplex(int degree);
    void enableActions();

    void btnNew_Click();
    void btnOpen_Click();
    void btnSave_Click();
    void btnCopy_Click();
    void btnClear_Click();
    void btnSolve_Click();
    void btnCreate_Click();
    void btnEvaluate_Click();
    void btnTable_Click();
    void btnGraph_Click();
    void btnLength_Click();
    void mnuCurveLength_Click();
    void mnuCurveCalculus_Click();
    void mnuAbout_Click();
    void btnExit_Click();
    void Form_QueryUnload(QCloseEvent *event);

    void launch(core::Action action);
    core::CoefficientTexts boxTexts() const;
    QLineEdit *box(core::BoxRef ref) const;
    void applyCheck(const core::EquationCheck &check);
    void showPanel(core::CoefKind kind);
    void OpenFile(const QString &path, const std::string &text);
    void MarkFileError(bool marked);

    core::KovalinState &m_state;
    platform::Services m_services;
    ActionLauncher &m_actions;
    std::unique_ptr<FrmIcon> m_icon;
    int m_rowHeight; // twips

    QGroupBox *m_frmEntry = nullptr;
    QWidget *m_picReal = nullptr;
    QWidget *m_picComplex = nullptr;
    QWidget *m_picFile = nullptr;
    ScrollingRows *m_realRows = nullptr;
    ScrollingRows *m_complexRows = nullptr;
    FileView m_fileView;
    QString m_filePath; // the path as chosen, without a mark
    std::vector<QLineEdit *> m_txtCR;
    std::vector<QLineEdit *> m_txtCCA;
    std::vector<QLineEdit *> m_txtCCB;
    QMenu *m_mnuFile = nullptr;
    QMenu *m_mnuEdit = nullptr;
    QMenu *m_mnuActions = nullptr;
    QMenu *m_mnuLength = nullptr;
};

} // namespace frontend
