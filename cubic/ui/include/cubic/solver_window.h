#pragma once
// What the cubic and the quartic solver windows share: the entry frame, the root rows with their
// colours, the caption of the nature of the roots, Solve, Copy and Clear, and the About frame.

#include "cubic/solver.h"
#include "platform/message_service.h"

#include <QList>
#include <QWidget>

#include <array>
#include <string>
#include <vector>

class QBoxLayout;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace platform
{
class Clipboard;
class Shell;
} // namespace platform

namespace cubic
{

class SolverWindow : public QWidget
{
    Q_OBJECT
public:
    ~SolverWindow() override;

protected:
    /// Builds everything but the entry row, which the window adds with addCoefficientBox and
    /// addEntryLabel, and the prompt above it.
    SolverWindow(platform::MessageService &messages,
        platform::Clipboard &clipboard,
        platform::Shell &shell,
        int rootRows,
        QWidget *parent);

    /// The box of the coefficient of x^`power`.
    QLineEdit *addCoefficientBox(const QString &name, int power);
    QLabel *addEntryLabel(const QString &name, const QString &text);
    void setEnterPrompt(const QString &text);
    /// A small label (an exponent or an index) set over the blank after the first letter of `host`.
    static QLabel *attachSmallLabel(QLabel *host, const QString &name, const QString &text, bool raised);

    /// The window's core: solves the coefficient texts (leading first) and keeps what Copy needs.
    virtual SolveOutcome Solve(std::vector<std::string> boxes) = 0;
    /// The copy line of the last solve, from the boxes as they stand now.
    virtual std::string CopyLine(
        const std::vector<std::string> &boxes, const std::array<std::string, kMaxRows> &roots) const = 0;
    virtual platform::Message InputErrorMessage() const = 0;
    virtual QString CaptionText(Nature nature) const = 0;

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void BuildEntryFrame(QBoxLayout *layout);
    void BuildRootRows(QBoxLayout *layout, int rows);
    void BuildButtons(QBoxLayout *layout);
    void BuildAboutFrame(QBoxLayout *layout);

    void cmdCalculate_Click();
    void cmdClear_Click();
    void cmdCopy_Click();
    void txtCoefficient_GotFocus(QLineEdit *box);
    void lblEmail_Click();
    void lblEmail_MouseDown();
    void lblEmail_MouseUp();

    void ShowRoots(const Display &display);
    void ErrorValue();
    void ClearAll();
    void ClearRoots();
    void PaintRow(int row, RowColour colour);
    void SetCaption(const QString &caption);
    std::vector<std::string> BoxTexts() const;

    platform::MessageService &m_messages;
    platform::Clipboard &m_clipboard;
    platform::Shell &m_shell;
    QLabel *m_lblEnter = nullptr;
    QBoxLayout *m_entryRow = nullptr;
    QList<QLineEdit *> m_boxes;
    QList<QLineEdit *> m_rootBoxes;
    QList<std::array<QLabel *, 2>> m_rootLabels; ///< "x = " and the index of each row
    QLabel *m_lblDiscriminant = nullptr;
    QPushButton *m_cmdCalculate = nullptr;
    QPushButton *m_cmdCopy = nullptr;
    QPushButton *m_cmdClear = nullptr;
    QLabel *m_lblEmail = nullptr;
};

} // namespace cubic
