#include "quartic/quartic_window.h"

#include "cubic/texts.h"
#include "quartic/texts.h"

#include <QLabel>

namespace quartic
{

QuarticWindow::QuarticWindow(
    platform::MessageService &messages, platform::Clipboard &clipboard, platform::Shell &shell, QWidget *parent)
    : SolverWindow(messages, clipboard, shell, 4, parent)
{
    setObjectName(QStringLiteral("frmQuartic"));
    setWindowTitle(texts::WindowTitle());
    setEnterPrompt(texts::EnterPrompt());
    addCoefficientBox(QStringLiteral("txtA"), 4);
    QLabel *lblA = addEntryLabel(QStringLiteral("lblA"), texts::XPlusAroundExponent());
    attachSmallLabel(lblA, QStringLiteral("lbl4"), texts::Exponent(), true);
    addCoefficientBox(QStringLiteral("txtB"), 3);
    addEntryLabel(QStringLiteral("lblB"), cubic::texts::XCubedPlus());
    addCoefficientBox(QStringLiteral("txtC"), 2);
    addEntryLabel(QStringLiteral("lblC"), cubic::texts::XSquaredPlus());
    addCoefficientBox(QStringLiteral("txtD"), 1);
    addEntryLabel(QStringLiteral("lblD"), cubic::texts::XPlus());
    addCoefficientBox(QStringLiteral("txtE"), 0);
    addEntryLabel(QStringLiteral("lblE"), cubic::texts::EqualsZero());
}

cubic::SolveOutcome QuarticWindow::Solve(std::vector<std::string> boxes)
{
    m_last = SolveQuarticEquation(std::move(boxes));
    return m_last;
}

std::string QuarticWindow::CopyLine(
    const std::vector<std::string> &boxes, const std::array<std::string, cubic::kMaxRows> &roots) const
{
    return quartic::CopyLine(m_last, boxes, roots);
}

platform::Message QuarticWindow::InputErrorMessage() const
{
    return texts::InputError();
}

QString QuarticWindow::CaptionText(cubic::Nature nature) const
{
    return texts::Caption(nature);
}

} // namespace quartic
