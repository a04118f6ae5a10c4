#pragma once
// frmCubic, the one window of the cubic solver VT_Dunmora.

#include "cubic/solver_window.h"

namespace cubic
{

class CubicWindow final : public SolverWindow
{
    Q_OBJECT
public:
    CubicWindow(platform::MessageService &messages,
        platform::Clipboard &clipboard,
        platform::Shell &shell,
        QWidget *parent = nullptr);

protected:
    SolveOutcome Solve(std::vector<std::string> boxes) override;
    std::string CopyLine(
        const std::vector<std::string> &boxes, const std::array<std::string, kMaxRows> &roots) const override;
    platform::Message InputErrorMessage() const override;
    QString CaptionText(Nature nature) const override;

private:
    SolveOutcome m_last; ///< what Copy reads
};

} // namespace cubic
