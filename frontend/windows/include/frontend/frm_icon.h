#pragma once
// The hidden window that holds the curve-data popup menu of the main window's Curve Data button.

#include <QWidget>

class QAction;
class QMenu;

namespace frontend
{

class FrmIcon : public QWidget
{
    Q_OBJECT
public:
    explicit FrmIcon(QWidget *parent = nullptr);

    QMenu *mnuCurve() const { return m_curve; }
    QAction *mnuLength() const { return m_length; }
    QAction *mnuCalculus() const { return m_calculus; }

private:
    QMenu *m_curve;
    QAction *m_length;
    QAction *m_calculus;
};

} // namespace frontend
