#pragma once
// The results window of a solve: the equation, every root with its nature, and their counts; beside each
// root its accuracy, the multiple roots with their far more accurate centres, a picture of the roots and
// the roots with their accuracy saved as CSV.

#include "frontend/core/engine_exchange.h"
#include "frontend/core/solved_roots.h"
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
    /// Shows each listed root's accuracy beside it, in its nature's colour, and the multiple roots; the
    /// picture and the CSV become available.
    void showAccuracy(const core::SolvedRoots &solved);

private:
    QWidget *buildNature();
    QWidget *buildRoots();
    void btnPlotRoots_Click();
    void btnSaveRoots_Click();

    platform::Services m_services;
    core::SolvedRoots m_solved;
    QGroupBox *m_frmSolved;
    QListWidget *m_lstAccuracy;
    QListWidget *m_lstClusters;
    QLabel *m_lblAccuracyHeader = nullptr;
    QLabel *m_lblClusters = nullptr;
    QPushButton *m_btnPlotRoots = nullptr;
    QPushButton *m_btnSaveRoots = nullptr;
    QLabel *m_lblNumReal = nullptr;
    QLabel *m_lblNumImaginary = nullptr;
    QLabel *m_lblNotFound = nullptr;
    QLabel *m_lblNumNotFound = nullptr;
};

} // namespace frontend
