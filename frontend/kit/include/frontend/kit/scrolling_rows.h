#pragma once
// A panel of entry rows that pages inside a fixed viewport with a vertical scroll bar, in steps of
// 20 twips. Used by the coefficient panels and the creator's roots.

#include "frontend/core/rows.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QScrollBar;

namespace frontend
{

class ScrollingRows : public QWidget
{
    Q_OBJECT
public:
    /// `names`: object names of the viewport, the scrolling panel and the scroll bar.
    struct Names {
        QString viewport;
        QString panel;
        QString bar;
    };
    ScrollingRows(const Names &names, int viewportHeightTwips, QWidget *parent = nullptr);

    /// The parent of the rows.
    QWidget *panel() const { return m_panel; }
    QWidget *viewport() const { return m_viewport; }
    QScrollBar *bar() const { return m_bar; }

    /// Sizes the panel (twips high, pixels wide).
    void setPanelSize(int heightTwips, int widthPixels);
    /// Sizes the scroll bar for the panel: maximum and visibility.
    void LoadBars();
    /// Sets the scroll bar to a range worked out elsewhere.
    void LoadBars(const core::ScrollRange &range);
    int panelTwips() const { return m_panelTwips; }
    int viewportTwips() const { return m_viewportTwips; }
    /// Scrolls so that a row's box shows whenever it gets the focus.
    void followFocus(QWidget *box);
    /// Scrolls the panel so that `box`, one of its rows' boxes, shows whole in the viewport.
    void showRow(const QWidget *box);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void scr_Change(int value);

    QWidget *m_viewport;
    QWidget *m_panel;
    QScrollBar *m_bar;
    int m_viewportTwips;
    int m_panelTwips = 0;
};

/// Scrolls every area that holds `widget` (rows of boxes and scrolling window bodies alike), the innermost
/// first, so that it shows.
void scrollIntoView(QWidget *widget);

/// The height of a row's box: the template's, or more when the fixed-pitch font needs more to show its text
/// whole.
int rowHeightTwips(const QWidget *context);

/// The object name of element `index` of a control array: "txtCR_2".
QString indexedName(const char *name, int index);
/// A number box of a row (fixed-pitch font, whole text selected on focus), placed in twips.
QLineEdit *addRowBox(QWidget *panel, const QString &name, int x, int y, int widthTwips, int heightTwips);
/// A label of a row, placed in twips.
QLabel *addRowLabel(QWidget *panel, const QString &name, const QString &text, int x, int y);

} // namespace frontend
