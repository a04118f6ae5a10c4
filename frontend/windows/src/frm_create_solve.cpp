#include "frontend/frm_create_solve.h"

#include "frontend/core/text_file.h"
#include "frontend/kit/qt_text.h"
#include "frontend/kit/screen_fit.h"
#include "frontend/messages.h"
#include "frontend/panels.h"
#include "platform/file_dialogs.h"
#include "platform/message_service.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace frontend
{

FrmCreateSolve::FrmCreateSolve(platform::Services services, QWidget *parent)
    : ResultsWindow(services.messages, services.clipboard, parent)
    , m_services(services)
    , m_frmEquation(new QGroupBox)
    , m_lstEquation(makeList("lstEquation"))
{
    setObjectName(QStringLiteral("frmCreateSolve"));
    setWindowTitle(tr("Kovalin - Equation Creator - [Created]"));
    m_lstEquation->setAccessibleName(tr("Coefficients of the equation"));
    auto *frmSolved = new QGroupBox(tr("Roots of Equation"));
    frmSolved->setObjectName(QStringLiteral("frmSolved"));
    auto *roots = new QVBoxLayout(frmSolved);
    roots->addWidget(label(tr("Below are all of the roots given to create the equation:"), "lblHere_0"));
    roots->addWidget(lstRoots());
    m_frmEquation->setObjectName(QStringLiteral("frmEquation"));
    auto *equation = new QVBoxLayout(m_frmEquation);
    equation->addWidget(label(tr("Here is the equation which satisfies all of the zeros entered:"), "lblHere_1"));
    equation->addWidget(txtEquation());
    equation->addWidget(m_lstEquation, 1);
    auto *save = button(tr("Save..."), "btnSave");
    save->setToolTip(tr("Save equation"));
    connect(save, &QPushButton::clicked, this, &FrmCreateSolve::btnSave_Click);
    auto *body = new QWidget;
    auto *frames = new QVBoxLayout(body);
    frames->setContentsMargins(0, 0, 0, 0);
    frames->addWidget(frmSolved, 1);
    frames->addWidget(m_frmEquation, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new WindowBody(body), 1);
    layout->addWidget(buildButtons(tr("Copy equation and roots"), { save }));
    fitToScreen(this, QSize(640, 560));
}

void FrmCreateSolve::fill(int degree, const core::CreatorRoots &roots, const core::CreatedEquation &equation)
{
    m_equation = equation;
    m_frmEquation->setTitle(tr("Equation Created - [Degree: ") + QString::number(degree) + QStringLiteral("]"));
    fillList(lstRoots(), roots.entries);
    std::vector<RootNature> natures;
    for (const core::ComplexValue &root : roots.roots) {
        natures.push_back(root.im != 0.0 ? RootNature::Complex : RootNature::Real);
    }
    colourRoots(natures);
    setEquation(toQt(equation.equationText));
    fillList(m_lstEquation, equation.listEntries);
}

void FrmCreateSolve::btnSave_Click()
{
    const auto path = m_services.fileDialogs.saveFile(this, msg::saveCreatedFile());
    if (!path || path->isEmpty()) {
        return;
    }
    if (!core::writeLines(toPath(*path), core::CreatedFileLines(m_equation))) {
        m_services.messages.show(msg::saveCreatedFailed(*path), this);
    }
}

} // namespace frontend
