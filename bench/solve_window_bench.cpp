// Time of one Solve as the user sees it: from the click on the main window's Solve button to the filled
// results window, with the engine library loaded by name and the exchange files in their usual place; and
// its parts at degree 100: the accuracy of all roots, and the results window opened with the roots and
// their accuracy. Runs on the offscreen platform.
//   build/bin/solve_window_bench [--benchmark_filter=rand_d100]

#include "engine/roots.h"
#include "frontend/core/coefficient_file.h"
#include "frontend/core/state.h"
#include "frontend/core/testing/equations.h"
#include "frontend/frm_kovalin.h"
#include "frontend/frm_solve.h"
#include "frontend/kit/action_registry.h"
#include "frontend/solving.h"
#include "platform/engine_library.h"
#include "platform/testing/fakes.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <benchmark/benchmark.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace
{

using frontend::core::CoefKind;

/// Types a case's coefficients into the main window's boxes.
void typeCase(frontend::FrmKovalin &window, const frontend::core::CoefficientTexts &texts)
{
    for (int power = 0; power <= texts.degree(); ++power) {
        const auto at = static_cast<std::size_t>(power);
        const QString suffix = QLatin1Char('_') + QString::number(power);
        if (texts.complex) {
            window.findChild<QLineEdit *>(QStringLiteral("txtCCA") + suffix)
                ->setText(QString::fromStdString(texts.re[at]));
            window.findChild<QLineEdit *>(QStringLiteral("txtCCB") + suffix)
                ->setText(QString::fromStdString(texts.im[at]));
        } else {
            window.findChild<QLineEdit *>(QStringLiteral("txtCR") + suffix)
                ->setText(QString::fromStdString(texts.re[at]));
        }
    }
}

void solveFromClick(benchmark::State &run, const std::string &caseName)
{
    const auto read = frontend::core::ReadCoefficientFile(std::string(KOVALIN_SHARED_CASES) + "/" + caseName + ".txt");
    if (read.FileError) {
        run.SkipWithError("the case could not be read");
        return;
    }
    const frontend::core::CoefficientTexts &texts = read.file.texts;
    platform::testing::FakeServices fakes;
    platform::QtEngineLibrary engine; // loaded by name, next to the program
    const platform::Services services {
        fakes.messages, fakes.clipboard, fakes.fileDialogs, fakes.shell, fakes.modal, engine, fakes.printing
    };
    frontend::core::KovalinState state;
    frontend::core::startProgramEntry(state, texts.complex ? CoefKind::Complex : CoefKind::Real, texts.degree(), 15);
    frontend::ActionRegistry actions;
    frontend::registerSolving(actions, state, services);
    frontend::FrmKovalin window(state, services, actions);
    window.show();
    typeCase(window, texts);
    int listed = 0;
    fakes.modal.onRun = [&listed](QDialog &results) {
        listed = results.findChild<QListWidget *>(QStringLiteral("lstRoots"))->count();
    };
    auto *solve = window.findChild<QPushButton *>(QStringLiteral("btnSolve"));
    for (auto _ : run) {
        solve->click();
    }
    if (listed != texts.degree() || !fakes.messages.shown.isEmpty()) {
        run.SkipWithError("the results window was not filled");
    }
}

/// A shared case as the check hands it over, with the engine's roots of it (the finders linked directly).
struct SolvedCase {
    frontend::core::Equation equation;
    std::vector<frontend::core::ComplexValue> roots;
};

std::optional<SolvedCase> solvedCase(const std::string &caseName)
{
    const auto read = frontend::core::ReadCoefficientFile(std::string(KOVALIN_SHARED_CASES) + "/" + caseName + ".txt");
    if (read.FileError) {
        return std::nullopt;
    }
    SolvedCase out { frontend::core::testing::equationOf(read.file.texts), {} };
    std::ostringstream warnings;
    engine::ErrorService errors(warnings);
    std::vector<std::complex<double>> roots(static_cast<std::size_t>(out.equation.degree));
    std::vector<std::complex<double>> complex;
    std::vector<double> real;
    for (const auto &c : out.equation.values) {
        complex.emplace_back(c.re, c.im);
        real.push_back(c.re);
    }
    if (out.equation.isComplex()) {
        engine::DZPOCC(out.equation.degree, complex, roots, errors);
    } else {
        engine::DZPORC(out.equation.degree, real, roots, errors);
    }
    for (const auto &z : roots) {
        out.roots.push_back({ z.real(), z.imag() });
    }
    return out;
}

/// The accuracy of every root (inclusion discs, clusters) with the nature of each, as the results window
/// gets them.
void accuracyOfRoots(benchmark::State &run, const std::string &caseName)
{
    const auto solved = solvedCase(caseName);
    if (!solved) {
        run.SkipWithError("the case could not be read");
        return;
    }
    for (auto _ : run) {
        const auto roots = frontend::core::solvedRoots(solved->equation, solved->roots, 15);
        benchmark::DoNotOptimize(roots.accuracy.roots.data());
    }
}

/// The results window built, filled with the roots and their accuracy (worked out here too), shown and
/// painted, then closed.
void openResults(benchmark::State &run, const std::string &caseName)
{
    const auto solved = solvedCase(caseName);
    if (!solved) {
        run.SkipWithError("the case could not be read");
        return;
    }
    platform::testing::FakeServices fakes;
    int rows = 0;
    for (auto _ : run) {
        frontend::FrmSolve window(fakes.services());
        window.setDegree(QString::fromStdString(solved->equation.degreeText));
        window.setEquation(QString::fromStdString("0 = " + solved->equation.text));
        window.showRoots(frontend::core::listRoots(solved->roots, 15));
        window.showAccuracy(frontend::core::solvedRoots(solved->equation, solved->roots, 15));
        window.show();
        window.repaint();
        rows = window.findChild<QListWidget *>(QStringLiteral("lstAccuracy"))->count();
        window.close();
    }
    if (rows != solved->equation.degree) {
        run.SkipWithError("the accuracy column was not filled");
    }
}

QtMessageHandler previousHandler = nullptr;

/// The offscreen platform says for every window shown that it cannot pass size hints on; that is not news.
void quietOffscreen(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!message.contains(QLatin1String("propagateSizeHints"))) {
        previousHandler(type, context, message);
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    previousHandler = qInstallMessageHandler(quietOffscreen);
    QApplication application(argc, argv);
    for (const char *name : { "rand_d100", "unity_n100", "crand_d49" }) {
        benchmark::RegisterBenchmark(
            (std::string("click_to_results/") + name).c_str(), solveFromClick, std::string(name))
            ->Unit(benchmark::kMillisecond);
    }
    for (const char *name : { "rand_d100", "unity_n100", "cluster_exact_d11" }) {
        benchmark::RegisterBenchmark((std::string("accuracy/") + name).c_str(), accuracyOfRoots, std::string(name))
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark((std::string("open_results/") + name).c_str(), openResults, std::string(name))
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
