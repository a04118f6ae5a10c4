#include "frontend/frm_solve.h"

#include "frontend/kit/dialog_parts.h"
#include "frontend/kit/qt_text.h"
#include "frontend/kit/screen_fit.h"

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
    layout->addWidget(new WindowBody(m_frmSolved), 1);
    layout->addWidget(buildButtons(tr("Copy equation and roots"), {}));
    fitToScreen(this, QSize(640, 480));
}

QWidget *FrmSolve::buildNature()
{
    auto *frame = new QGroupBox(tr("Nature of Roots"));
    frame->setObjectName(QStringLiteral("frmNature"));
    m_lblNumReal = caption(QString(), "lblNumReal");
    m_lblNumImaginary = caption(QString(), "lblNumImaginary");
    m_lblNumNotFound = caption(QString(), "lblNumNotFound");
    // Told only when the engine could not find every root.
    m_lblNotFound = caption(tr("Number of roots not found:"), "lblNature_2");
    m_lblNotFound->hide();
    m_lblNumNotFound->hide();
    auto *grid = new QGridLayout(frame);
    grid->addWidget(caption(tr("Number of real roots:"), "lblNature_0"), 0, 0);
    grid->addWidget(m_lblNumReal, 0, 1);
    grid->addWidget(caption(tr("Number of imaginary roots:"), "lblNature_1"), 1, 0);
    grid->addWidget(m_lblNumImaginary, 1, 1);
    grid->addWidget(m_lblNotFound, 2, 0);
    grid->addWidget(m_lblNumNotFound, 2, 1);
    grid->setRowStretch(3, 1);
    return frame;
}

void FrmSolve::setDegree(const QString &degree)
{
    m_frmSolved->setTitle(tr("Roots of Equation - [Degree: ") + degree + QStringLiteral("]"));
}

void FrmSolve::showRoots(const core::RootList &roots)
{
    std::vector<std::string> entries = roots.entries;
    for (const std::size_t at : roots.notFound) {
        entries[at] = toStd(tr("(root could not be found)"));
    }
    fillList(lstRoots(), entries);
    m_lblNumReal->setText(QString::number(roots.realCount));
    m_lblNumImaginary->setText(QString::number(roots.imaginaryCount));
    m_lblNumNotFound->setText(QString::number(roots.notFound.size()));
    m_lblNotFound->setVisible(!roots.notFound.empty());
    m_lblNumNotFound->setVisible(!roots.notFound.empty());
}

} // namespace frontend
