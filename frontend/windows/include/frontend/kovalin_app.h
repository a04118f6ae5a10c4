#pragma once
// The solver's run: the new-equation dialog first, then the main window, back to the dialog on New,
// and the end on Exit. Owns the run's shared state.

#include "frontend/core/state.h"
#include "frontend/frm_kovalin.h"
#include "frontend/frm_new.h"
#include "platform/services.h"

#include <QObject>
#include <QPointer>

namespace frontend
{

class ActionLauncher;

class KovalinApp : public QObject
{
    Q_OBJECT
public:
    KovalinApp(platform::Services services, ActionLauncher &actions);
    ~KovalinApp() override;

    /// Shows the new-equation dialog.
    void start();
    /// Brings the run's window (a tool's modal window when one is open) to the front: a later launch asked.
    void bringToFront();

    core::KovalinState &state() { return m_state; }
    FrmNew *newDialog() const { return m_new; }
    FrmKovalin *mainWindow() const { return m_main; }

Q_SIGNALS:
    /// The user ended the program.
    void finished();

private:
    void showNew();
    void showMain();
    void end();

    core::KovalinState m_state;
    platform::Services m_services;
    ActionLauncher &m_actions;
    QPointer<FrmNew> m_new;
    QPointer<FrmKovalin> m_main;
};

} // namespace frontend
