#pragma once
// The equation creator's roots window: one row per root (or the roots file), and Create.

#include "frontend/core/creator.h"
#include "frontend/core/state.h"
#include "frontend/panels.h"
#include "platform/services.h"

#include <QDialog>

#include <optional>
#include <vector>

class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace frontend
{

class ScrollingRows;

class FrmCreate : public QDialog
{
    Q_OBJECT
public:
    /// Builds the window for the creator's request in `state`: root rows to type, or the roots file.
    FrmCreate(core::KovalinState &state, platform::Services services, QWidget *parent = nullptr);

    /// Creates the rows of `count` roots, root 1 at the top.
    void LoadRoots(int count);
    /// Sizes the scroll bar of the rows.
    void LoadBars();
    /// Closing (title bar, Cancel or Close, Escape) asks first; the rows go with the window.
    void reject() override;

private:
    QWidget *buildRootsFrame();
    QWidget *buildFileFrame();
    QWidget *buildButtons();
    void Form_Load();
    void showRootsFile();

    void btnCreate_Click();
    void btnCancel_Click();
    bool CheckNumericValuesCreate(core::CoefficientTexts &checked);
    std::optional<core::CreatorRoots> typedRoots();
    std::optional<core::CreatorRoots> fileRoots() const;
    QLineEdit *box(core::BoxRef ref) const;
    void clearRows();

    core::KovalinState &m_state;
    platform::Services m_services;
    int m_rowHeight; // twips
    bool m_fromFile = false;
    bool m_creatorOpen = true;
    int m_rootRowCount = 0;

    QGroupBox *m_frmEnterRoots = nullptr;
    QGroupBox *m_frmFile = nullptr;
    ScrollingRows *m_rows = nullptr;
    FileView m_fileView;
    QPushButton *m_btnCancel = nullptr;
    std::vector<QLineEdit *> m_txtCRA; // root k at k - 1
    std::vector<QLineEdit *> m_txtCRB;
};

} // namespace frontend
