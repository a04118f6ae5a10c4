#include "cubic/cubic_window.h"

#include "cubic/texts.h"

#include <QLabel>

namespace cubic
{

CubicWindow::CubicWindow(
    platform::MessageService &messages, platform::Clipboard &clipboard, platform::Shell &shell, QWidget *parent)
    : SolverWindow(messages, clipboard, shell, 3, parent)
{
    setObjectName(QStringLiteral("frmCubic"));
    setWindowTitle(texts::WindowTitle());
    setEnterPrompt(texts::EnterPrompt());
    addCoefficientBox(QStringLiteral("txtA"), 3);
    addEntryLabel(QStringLiteral("lblA"), texts::XCubedPlus());
    addCoefficientBox(QStringLiteral("txtB"), 2);
    addEntryLabel(QStringLiteral("lblB"), texts::XSquaredPlus());
    addCoefficientBox(QStringLiteral("txtC"), 1);
    addEntryLabel(QStringLiteral("lblC"), texts::XPlus());
    addCoefficientBox(QStringLiteral("txtD"), 0);
    addEntryLabel(QStringLiteral("lblD"), texts::EqualsZero());
}

SolveOutcome CubicWindow::Solve(std::vector<std::string> boxes)
{
    m_last = SolveCubicEquation(std::move(boxes));
    return m_last;
}

std::string CubicWindow::CopyLine(
    const std::vector<std::string> &boxes, const std::array<std::string, kMaxRows> &roots) const
{
    return cubic::CopyLine(m_last, boxes, roots);
}

platform::Message CubicWindow::InputErrorMessage() const
{
    return texts::InputError();
}

QString CubicWindow::CaptionText(Nature nature) const
{
    return texts::Caption(nature);
}

} // namespace cubic
