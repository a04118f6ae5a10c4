#pragma once
// The graph parameters dialog: the viewing window, the quality, tick marks, grid lines and companion
// curves of the graph to draw. A successful Graph stores them in the run's graph settings.

#include "frontend/core/state.h"
#include "graph/core/parameters.h"

#include <QDialog>

class QCheckBox;
class QGridLayout;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace platform
{
class MessageService;
}

namespace tools::graph
{

class FrmGraphParameters : public QDialog
{
    Q_OBJECT
public:
    /// `function` is the text shown in txtFunction; `entries` fill the boxes and check boxes.
    FrmGraphParameters(frontend::core::GraphSettings &settings,
        platform::MessageService &messages,
        const QString &function,
        const core::ParameterEntries &entries,
        QWidget *parent = nullptr);

    QString functionText() const;

private:
    QWidget *buildParametersFrame();
    QWidget *buildCurves();
    QWidget *buildButtons();
    QLineEdit *addBox(QGridLayout *grid, int row, const char *name, const QString &caption);

    void Form_Load(const core::ParameterEntries &entries);
    void chkTick_Click();
    void chkGrid_Click();
    void ScrPercent_Change(int value);
    void btnCancel_Click();
    void btnGraph_Click();

    core::ParameterEntries entries() const;
    QLineEdit *box(core::ParameterBox box) const;
    void showRefusal(const core::ParameterCheck &check);

    frontend::core::GraphSettings &m_settings;
    platform::MessageService &m_messages;

    QLineEdit *m_txtFunction = nullptr;
    QLineEdit *m_txtXMin = nullptr;
    QLineEdit *m_txtXMax = nullptr;
    QLineEdit *m_txtYMin = nullptr;
    QLineEdit *m_txtYMax = nullptr;
    QScrollBar *m_ScrPercent = nullptr;
    QLineEdit *m_txtPercentQuality = nullptr;
    QCheckBox *m_chkTick = nullptr;
    QLineEdit *m_txtTickFreq = nullptr;
    QCheckBox *m_chkGrid = nullptr;
    QLineEdit *m_txtGridFreq = nullptr;
    QCheckBox *m_chkDer1 = nullptr;
    QCheckBox *m_chkDer2 = nullptr;
    QCheckBox *m_chkInt = nullptr;
    QCheckBox *m_chkNumbers = nullptr;
};

} // namespace tools::graph
