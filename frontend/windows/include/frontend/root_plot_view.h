#pragma once
// The picture of the roots in the complex plane: axes with numbered ticks, the unit circle, each root in its
// nature's colour with its inclusion disc where the disc is large enough to see, and every cluster drawn as
// one marked group. The wheel zooms about the pointer, a drag pans, and the root nearest to the pointer is
// told (and ringed). The keyboard does the same: + and - zoom, the arrows pan, Home fits all.

#include "frontend/core/root_plot.h"
#include "frontend/core/solved_roots.h"

#include <QPoint>
#include <QWidget>

namespace frontend
{

class RootPlotView : public QWidget
{
    Q_OBJECT
public:
    explicit RootPlotView(const core::SolvedRoots &roots, QWidget *parent = nullptr);

    const core::PlotView &view() const { return m_view; }
    void setView(const core::PlotView &view);
    /// Shows every root and the unit circle.
    void fitAll();
    /// The root ringed as nearest to the pointer; -1 for none.
    int nearest() const { return m_nearest; }
    /// Draws the picture as shown, into `area` of any paint device (the window, an image, an SVG file); the
    /// ring about the root nearest to the pointer only where `pointer` is true (on the screen, not in a copy).
    void paintPicture(QPainter &painter, const QRect &area, bool pointer = false) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    /// The root nearest to the pointer changed (its index in the roots, -1 for none).
    void nearestChanged(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void zoomAt(QPointF at, double factor);
    void setNearest(int index);

    core::SolvedRoots m_roots;
    core::PlotView m_view;
    bool m_moved = false; // the user zoomed or panned: a resize keeps the view instead of fitting again
    bool m_dragging = false;
    QPoint m_dragFrom;
    int m_nearest = -1;
};

} // namespace frontend
