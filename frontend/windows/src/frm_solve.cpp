#include "frontend/frm_solve.h"

#include "frontend/kit/dialog_parts.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace frontend
{

FrmSolve::FrmSolve(platform::Services services, QWidget *parent)
    : ResultsWindow(services.messages, services.clipboard, parent)
    , m_frmSolved(new QGroupBox)
{
    setObjectName(QStringLiteral("frmSolve"));
    setWindowTitle(tr("Kovalin - Equation Solver - [Roots]"));
    m_frmSolved->setObjectName(QStringLiteral("frmSolved"));
    auto *frmX = new QGroupBox;
    frmX->setObjectName(QStringLiteral("frmX"));
    (new QVBoxLayout(frmX))->addWidget(lstRoots());
    auto *roots = new QHBoxLayout;
    roots->addWidget(frmX, 1);
    roots->addWidget(buildNature());
    auto *inside = new QVBoxLayout(m_frmSolved);
    inside->addWidget(label(tr("Equation:"), "lblLengthNew"));
    inside->addWidget(txtEquation());
    inside->addWidget(label(tr("Below are all of the roots of the given equation:"), "lblHere_0"));
    inside->addLayout(roots, 1);
    inside->addWidget(label(tr("The equation and its solutions may be draged into a text editor."), "lblHere_1"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_frmSolved, 1);
    layout->addWidget(buildButtons(tr("Copy equation and roots"), {}));
    resize(640, 480);
}

QWidget *FrmSolve::buildNature()
{
    auto *frame = new QGroupBox(tr("Nature of Roots"));
    frame->setObjectName(QStringLiteral("frmNature"));
    m_lblNumReal = label(QString(), "lblNumReal");
    m_lblNumImaginary = label(QString(), "lblNumImaginary");
    auto *grid = new QGridLayout(frame);
    grid->addWidget(label(tr("Number of real roots:"), "lblNature_0"), 0, 0);
    grid->addWidget(m_lblNumReal, 0, 1);
    grid->addWidget(label(tr("Number of imaginary roots:"), "lblNature_1"), 1, 0);
    grid->addWidget(m_lblNumImaginary, 1, 1);
    grid->setRowStretch(2, 1);
    return frame;
}

void FrmSolve::setDegree(const QString &degree)
{
    m_frmSolved->setTitle(tr("Roots of Equation - [Degree: ") + degree + QStringLiteral("]"));
}

void FrmSolve::showRoots(const core::RootList &roots)
{
    fillList(lstRoots(), roots.entries);
    m_lblNumReal->setText(QString::number(roots.realCount));
    m_lblNumImaginary->setText(QString::number(roots.imaginaryCount));
}

} // namespace frontend
