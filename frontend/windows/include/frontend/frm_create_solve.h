#pragma once
// The created-equation window: the roots given, the equation built from them, Copy and Save.

#include "frontend/core/creator.h"
#include "frontend/kit/results_window.h"
#include "platform/services.h"

class QGroupBox;

namespace frontend
{

class FrmCreateSolve : public ResultsWindow
{
    Q_OBJECT
public:
    explicit FrmCreateSolve(platform::Services services, QWidget *parent = nullptr);

    /// Shows the `degree` roots given and the equation created from them.
    void fill(int degree, const core::CreatorRoots &roots, const core::CreatedEquation &equation);

private:
    void btnSave_Click();

    platform::Services m_services;
    QGroupBox *m_frmEquation;
    QListWidget *m_lstEquation;
    core::CreatedEquation m_equation;
};

} // namespace frontend
