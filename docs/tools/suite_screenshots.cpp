// Writes the README's pictures of the suite's windows, taken from the real windows with the real engine
// (the desktop services are test doubles, so nothing reaches the clipboard or a file dialog).
// Run under a display, for example: xvfb-run -a build/bin/suite_screenshots docs/screenshots

#include "cubic/cubic_window.h"
#include "engine/entry.h"
#include "frontend/kit/action_registry.h"
#include "frontend/kovalin_app.h"
#include "frontend/solving.h"
#include "notice/notice.h"
#include "platform/message_service.h"
#include "platform/testing/fakes.h"
#include "quartic/quartic_window.h"
#include "tools/analysis/analysis_tools.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>

namespace
{

QString g_folder;
int g_failures = 0;

void save(QWidget *window, const char *name)
{
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowExposed(window)) {
        std::fprintf(stderr, "%s never appeared\n", name);
    }
    QCoreApplication::processEvents();
    const QString path = QDir(g_folder).filePath(QString::fromLatin1(name));
    if (!window->grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        ++g_failures;
    }
}

template <typename T = QWidget>
T *child(QWidget *parent, const char *name)
{
    T *found = parent->findChild<T *>(QString::fromLatin1(name));
    if (!found) {
        qFatal("no control %s", name);
    }
    return found;
}

void type(QWidget *parent, const char *box, const char *text)
{
    child<QLineEdit>(parent, box)->setText(QString::fromLatin1(text));
}

void click(QWidget *parent, const char *button)
{
    child<QPushButton>(parent, button)->click();
}

// The solver: the new-equation dialog, the main window with (x - 2)(x + 1)(x^2 + 2x + 5), its roots, their
// picture and a table of values.
void solverWindows()
{
    platform::testing::FakeServices fakes;
    fakes.engine.entry = [] {
        engine::serveExchange();
        return 0;
    };
    frontend::ActionRegistry actions;
    frontend::KovalinApp kovalin(fakes.services(), actions);
    frontend::registerSolving(actions, kovalin.state(), fakes.services());
    tools::analysis::registerAnalysisTools(actions, kovalin.state(), fakes.services());
    kovalin.start();

    QWidget *dialog = kovalin.newDialog();
    child<QComboBox>(dialog, "cboDegree")->setCurrentIndex(3);
    save(dialog, "new.png");
    click(dialog, "btnOK");

    QWidget *main = kovalin.mainWindow();
    const char *coefficients[] = { "-10", "-9", "1", "1", "1" }; // index = power of x
    for (int power = 4; power >= 0; --power) {
        type(main, qPrintable(QStringLiteral("txtCR_%1").arg(power)), coefficients[power]);
    }
    main->resize(720, 560);
    save(main, "main.png");

    fakes.modal.onRun = [](QDialog &window) {
        if (window.objectName() == QLatin1String("frmSolve")) {
            save(&window, "roots.png");
            click(&window, "btnPlotRoots");
        } else if (window.objectName() == QLatin1String("frmRootPlot")) {
            save(&window, "roots_plot.png");
        } else if (window.objectName() == QLatin1String("frmTableNew")) {
            type(&window, "txtOneFirst", "-3");
            type(&window, "txtOneLast", "3");
            click(&window, "btnCreate");
        } else if (window.objectName() == QLatin1String("frmTable")) {
            save(&window, "table.png");
        }
        window.reject();
    };
    click(main, "btnSolve");
    click(main, "btnTable");
    fakes.messages.answers = { platform::Answer::Yes };
    main->close();
}

template <typename Window>
void closedFormWindow(const std::vector<std::pair<const char *, const char *>> &boxes, const char *file)
{
    platform::testing::FakeServices fakes;
    Window window(fakes.messages, fakes.clipboard, fakes.shell);
    for (const auto &[box, text] : boxes) {
        type(&window, box, text);
    }
    click(&window, "cmdCalculate");
    save(&window, file);
}

void noticeWindow()
{
    platform::testing::RecordingMessageService recorded;
    notice::Form_Load(recorded);
    const std::unique_ptr<QMessageBox> box(platform::QtMessageService::makeBox(recorded.shown.at(0), nullptr));
    save(box.get(), "notice.png");
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: suite_screenshots <folder>\n");
        return 2;
    }
    g_folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(g_folder);
    // The solver exchanges files with the engine in a folder of its own; Copy's scratch file stays out of
    // the working tree.
    QTemporaryDir exchange;
    qputenv("KOVALIN_EXCHANGE_DIR", exchange.path().toLocal8Bit());
    QDir::setCurrent(exchange.path());

    solverWindows();
    closedFormWindow<cubic::CubicWindow>(
        { { "txtA", "1" }, { "txtB", "-6" }, { "txtC", "11" }, { "txtD", "-6" } }, "cubic.png");
    closedFormWindow<quartic::QuarticWindow>(
        { { "txtA", "1" }, { "txtB", "0" }, { "txtC", "5" }, { "txtD", "0" }, { "txtE", "4" } }, "quartic.png");
    noticeWindow();
    return g_failures == 0 ? 0 : 1;
}
