#pragma once
// A menu's shortcuts work wherever the focus is in its window. A text box claims some Ctrl keys for its own
// editing before the window's shortcuts see them (on X11 a line edit takes Ctrl+E as "end of line"), so
// Ctrl+E would not solve from a coefficient box; the window's own menu shortcuts take precedence here.

#include <QObject>

class QKeyEvent;
class QWidget;

namespace frontend
{

/// Lets every enabled shortcut of `window`'s actions through, whichever control of the window has the focus.
/// Lives as long as the window.
class MenuShortcuts : public QObject
{
    Q_OBJECT
public:
    explicit MenuShortcuts(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool isWindowShortcut(const QKeyEvent &key) const;

    QWidget *m_window;
};

} // namespace frontend
