#include "frontend/frm_icon.h"

#include <QMenu>

namespace frontend
{

FrmIcon::FrmIcon(QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_curve(new QMenu(this))
{
    setObjectName(QStringLiteral("frmIcon"));
    m_curve->setObjectName(QStringLiteral("mnuCurve"));
    m_length = m_curve->addAction(tr("&Length of Curve..."));
    m_length->setObjectName(QStringLiteral("mnuLength"));
    m_calculus = m_curve->addAction(tr("&Differentiate/Integrate..."));
    m_calculus->setObjectName(QStringLiteral("mnuCalculus"));
}

} // namespace frontend
