#pragma once
// The results window of a solve: the equation, every root with its nature, and their counts.

#include "frontend/core/engine_exchange.h"
#include "frontend/kit/results_window.h"
#include "platform/services.h"

class QGroupBox;
class QLabel;

namespace frontend
{

class FrmSolve : public ResultsWindow
{
    Q_OBJECT
public:
    explicit FrmSolve(platform::Services services, QWidget *parent = nullptr);

    /// Names the degree in the frame's caption.
    void setDegree(const QString &degree);
    /// Lists the roots and sets the counts of their nature; a root the engine could not find is listed in
    /// words and counted apart.
    void showRoots(const core::RootList &roots);

private:
    QWidget *buildNature();

    QGroupBox *m_frmSolved;
    QLabel *m_lblNumReal = nullptr;
    QLabel *m_lblNumImaginary = nullptr;
    QLabel *m_lblNotFound = nullptr;
    QLabel *m_lblNumNotFound = nullptr;
};

} // namespace frontend
