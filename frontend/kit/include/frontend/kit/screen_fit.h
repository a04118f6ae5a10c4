#pragma once
// Windows that fit the screen they open on, whatever its size and scale: a window's body scrolls when the
// screen has no room for all of it, while the window's buttons stay outside the scrolling part, in reach.

#include <QScrollArea>
#include <QSize>

class QWidget;

namespace frontend
{

/// The scrolling body of a window. It asks for the body's whole size (a plain scroll area caps its wish at
/// a few dozen lines) and needs no more than what leaves the window room on its screen: up to that the
/// window grows with its body, beyond it the body scrolls.
class WindowBody : public QScrollArea
{
    Q_OBJECT
public:
    explicit WindowBody(QWidget *body, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    /// Works out again how small the body may become, from the room its window has on its screen.
    void fit();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QSize wholeBody() const;

    QSize m_least; // the minimum size last worked out
};

/// Sizes a window to `wanted` or its size hint, whichever is larger, but never beyond the available
/// geometry of its screen (its frame included), and centres a window without a parent in that geometry.
/// A dialog with a parent is placed over it by the dialog itself, inside the same geometry.
void fitToScreen(QWidget *window, QSize wanted = QSize());

} // namespace frontend
