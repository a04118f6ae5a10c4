// Time and memory of opening a large coefficient file in the main window, as the user does it: Open (the file
// read and shown in the file view, painted), then one action on it (Copy: the file read afresh, checked, and
// shown again). Every file is just under the solver's cap (frontend::core::maxEquationFileBytes), and each
// shape runs in a process of its own so that its peak memory is its own. Runs on the offscreen platform.
//   build/bin/file_view_bench              (every shape, each in a child process)
//   build/bin/file_view_bench <shape>      (one shape: short_lines, text_lines, one_line, equation)

#include "frontend/core/state.h"
#include "frontend/core/text_file.h"
#include "frontend/frm_kovalin.h"
#include "frontend/kit/action_launcher.h"
#include "platform/testing/fakes.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace
{

using Clock = std::chrono::steady_clock;

const char *const shapes[] = { "short_lines", "text_lines", "one_line", "equation" };

/// The file's bytes: a real equation of degree 2 at its head, then filler up to just under the cap.
std::string fileOfShape(const std::string &shape)
{
    const std::size_t size = static_cast<std::size_t>(frontend::core::maxEquationFileBytes) - 64;
    std::string bytes = "2\tdegree of equation\n1\n-3\n2\n";
    if (shape == "equation") {
        return bytes;
    }
    if (shape == "one_line") {
        bytes.append(size - bytes.size() - 1, '7');
    } else {
        const std::string line = shape == "short_lines" ? "0\n" : "a line of text such as a log file holds\n";
        while (bytes.size() + line.size() <= size) {
            bytes += line;
        }
    }
    bytes += '\n';
    return bytes;
}

class NoActions final : public frontend::ActionLauncher
{
public:
    bool offers(frontend::core::Action) const override { return false; }
    void launch(frontend::core::Action, const frontend::core::Equation &, QWidget *) override { }
    void openCreator(QWidget *) override { }
};

long peakKiB()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

/// Paints the whole window, as the screen would show it (the text view lays out what it shows).
void paint(QWidget &window)
{
    QApplication::processEvents();
    (void)window.grab();
}

int runShape(const std::string &shape, int argc, char **argv)
{
    QApplication application(argc, argv);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("equation.txt"));
    {
        std::ofstream(path.toStdString(), std::ios::binary) << fileOfShape(shape);
    }
    platform::testing::FakeServices fakes;
    frontend::core::KovalinState state;
    frontend::core::startProgramEntry(state, frontend::core::CoefKind::Real, 2, 15);
    NoActions actions;
    frontend::FrmKovalin window(state, fakes.services(), actions);
    window.show();
    paint(window);
    const long before = peakKiB();

    fakes.messages.answers = { platform::Answer::Yes };
    fakes.fileDialogs.openAnswers.push_back(path);
    auto start = Clock::now();
    window.findChild<QPushButton *>(QStringLiteral("btnOpen"))->click();
    paint(window);
    const double open = millisecondsSince(start);

    start = Clock::now();
    window.findChild<QPushButton *>(QStringLiteral("btnCopy"))->click();
    paint(window);
    const double action = millisecondsSince(start);

    const bool copied = fakes.clipboard.text.has_value();
    const auto shown = window.findChild<QPlainTextEdit *>(QStringLiteral("txtFileText"))->toPlainText().size();
    std::printf("%-12s %9.1f ms open %9.1f ms action %7.1f MiB above the window's own (shows %lld characters%s)\n",
        shape.c_str(),
        open,
        action,
        static_cast<double>(peakKiB() - before) / 1024.0,
        static_cast<long long>(shown),
        copied ? ", equation copied" : ", no equation");
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    if (argc > 1) {
        return runShape(argv[1], argc, argv);
    }
    for (const char *shape : shapes) {
        std::fflush(stdout);
        const pid_t child = fork();
        if (child == 0) {
            execl("/proc/self/exe", argv[0], shape, static_cast<char *>(nullptr));
            std::_Exit(127);
        }
        int status = 0;
        waitpid(child, &status, 0);
    }
    return 0;
}
