#include "frontend/kovalin_app.h"

#include "frontend/frm_kovalin.h"
#include "frontend/frm_new.h"
#include "platform/bring_to_front.h"

#include <QApplication>

namespace frontend
{

KovalinApp::KovalinApp(platform::Services services, ActionLauncher &actions)
    : m_services(services)
    , m_actions(actions)
{
}

KovalinApp::~KovalinApp()
{
    delete m_new;
    delete m_main;
}

void KovalinApp::start()
{
    showNew();
}

void KovalinApp::bringToFront()
{
    QWidget *window = QApplication::activeModalWidget();
    if (!window) {
        window = m_main ? static_cast<QWidget *>(m_main) : m_new;
    }
    if (window) {
        platform::bringToFront(window);
    }
}

void KovalinApp::showNew()
{
    // A fresh dialog each time: its lists keep their state only within one showing.
    if (m_main) {
        m_main->deleteLater();
    }
    m_new = new FrmNew(m_state, m_services, m_actions);
    connect(m_new, &FrmNew::solveChosen, this, &KovalinApp::showMain);
    connect(m_new, &FrmNew::exitChosen, this, &KovalinApp::end);
    m_new->show();
}

void KovalinApp::showMain()
{
    // The main window is built anew for every equation: its rows go away with it.
    if (m_new) {
        m_new->deleteLater();
    }
    m_main = new FrmKovalin(m_state, m_services, m_actions);
    connect(m_main, &FrmKovalin::newEquationConfirmed, this, &KovalinApp::showNew);
    connect(m_main, &FrmKovalin::exitConfirmed, this, &KovalinApp::end);
    m_main->show();
    m_main->focusLeadingBox();
}

void KovalinApp::end()
{
    Q_EMIT finished();
}

} // namespace frontend
