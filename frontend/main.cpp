// VT_Kovalin: the polynomial equation solver.

#include "frontend/kit/action_registry.h"
#include "frontend/kovalin_app.h"
#include "frontend/solving.h"
#include "frontend/start.h"
#include "graph/graph_tool.h"
#include "platform/clipboard.h"
#include "platform/engine_library.h"
#include "platform/file_dialogs.h"
#include "platform/message_service.h"
#include "platform/modal_runner.h"
#include "platform/printing.h"
#include "platform/program_identity.h"
#include "platform/shell.h"
#include "platform/single_instance.h"
#include "platform/translations.h"
#include "tools/analysis/analysis_tools.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    platform::identifyProgram(QStringLiteral("Kovalin"), QStringLiteral("org.kovalin.Kovalin"));
    // The run ends on Exit only: between the main window closing for New and the dialog showing, no
    // window is open.
    QApplication::setQuitOnLastWindowClosed(false);

    const platform::Translations translations { QLocale() };
    platform::QtMessageService messages;
    platform::SingleInstance instance(QStringLiteral("VT_Kovalin"));
    // The running copy shows its window, or the user is told why there is none.
    const platform::InstanceStart start = frontend::claimRun(instance, messages);
    if (start != platform::InstanceStart::Only) {
        return start == platform::InstanceStart::Shown ? 0 : 1;
    }

    platform::QtClipboard clipboard;
    platform::QtFileDialogs fileDialogs;
    platform::QtShell shell;
    platform::QtModalRunner modal;
    platform::QtEngineLibrary engine;
    platform::QtPrinting printing;
    const platform::Services services { messages, clipboard, fileDialogs, shell, modal, engine, printing };

    // Each part of the program registers the actions it provides.
    frontend::ActionRegistry actions;
    frontend::KovalinApp kovalin(services, actions);
    frontend::registerSolving(actions, kovalin.state(), services);
    tools::graph::registerGraphTool(actions, kovalin.state(), services);
    tools::analysis::registerAnalysisTools(actions, kovalin.state(), services);
    QObject::connect(&kovalin, &frontend::KovalinApp::finished, &application, &QApplication::quit);
    QObject::connect(
        &instance, &platform::SingleInstance::showRequested, &kovalin, &frontend::KovalinApp::bringToFront);
    kovalin.start();
    return QApplication::exec();
}
