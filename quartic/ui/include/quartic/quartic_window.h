#pragma once
// frmQuartic, the one window of the quartic solver VT_Hovanta.

#include "cubic/solver_window.h"
#include "quartic/solver.h"

namespace quartic
{

class QuarticWindow final : public cubic::SolverWindow
{
    Q_OBJECT
public:
    QuarticWindow(platform::MessageService &messages,
        platform::Clipboard &clipboard,
        platform::Shell &shell,
        QWidget *parent = nullptr);

protected:
    cubic::SolveOutcome Solve(std::vector<std::string> boxes) override;
    std::string CopyLine(
        const std::vector<std::string> &boxes, const std::array<std::string, cubic::kMaxRows> &roots) const override;
    platform::Message InputErrorMessage() const override;
    QString CaptionText(cubic::Nature nature) const override;

private:
    QuarticOutcome m_last; ///< what Copy reads
};

} // namespace quartic
