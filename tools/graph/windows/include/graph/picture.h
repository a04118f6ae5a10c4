#pragma once
// The plot's drawing surface (Picture1): a white picture that keeps its drawing in a persistent bitmap,
// with the line and shape controls drawn over it, and the mouse reported in graph units.

#include "graph/core/plot.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QObject>
#include <QWidget>

#include <functional>
#include <optional>
#include <string_view>

namespace tools::graph
{

/// Paints a drawing, in its device pixels, on a white ground: the one painting of the picture on the
/// screen, on the clipboard, in a saved file and on paper.
void paintDrawing(QPainter &painter, const core::PlotDrawing &drawing);
/// The drawing on a bitmap of its size.
QImage renderDrawing(const core::PlotDrawing &drawing);
/// The font of the axis numbers, `pixels` high, and a measure of a text's width in it for the plotting maths.
QFont labelFont(int pixels);
std::function<int(std::string_view)> labelWidths(int pixels);

/// A line or rectangle control over the picture, placed in graph units; not part of the bitmap.
class Overlay : public QObject
{
    Q_OBJECT
public:
    enum class Kind { Line, Rectangle };
    Overlay(const char *name, Kind kind, QColor colour, Qt::PenStyle style, QObject *parent);

    Kind kind() const { return m_kind; }
    QColor colour() const { return m_colour; }
    Qt::PenStyle style() const { return m_style; }
    bool isVisible() const { return m_visible; }
    /// The line's ends (Kind::Line) or two opposite corners (Kind::Rectangle), in graph units.
    const core::LineF &geometry() const { return m_geometry; }

    void place(const core::LineF &geometry);
    void placeRectangle(const core::ZoomRect &rect);
    void setVisible(bool visible);

Q_SIGNALS:
    void changed();

private:
    Kind m_kind;
    QColor m_colour;
    Qt::PenStyle m_style;
    bool m_visible = false;
    core::LineF m_geometry;
};

class Picture : public QWidget
{
    Q_OBJECT
public:
    explicit Picture(QWidget *parent = nullptr);

    /// Draws on the persistent bitmap for the window shown; the drawing is the picture's present size in
    /// device pixels, `ratio` of them to each of the picture's pixels.
    void draw(const core::PlotDrawing &drawing, const core::PlotWindow &window, double ratio);
    /// The persistent bitmap, in device pixels.
    const QImage &image() const { return m_image; }
    /// The size of the last drawing in the picture's own pixels.
    QSize drawnSize() const;
    /// The graph position of a point of the picture, in the coordinates of the last drawing.
    core::GraphPoint graphAt(QPointF position) const;

    Overlay *ver() const { return m_ver; }
    Overlay *der() const { return m_der; }
    Overlay *shape1() const { return m_shape1; }
    Overlay *shape2() const { return m_shape2; }

Q_SIGNALS:
    void mouseMoved(Qt::MouseButtons buttons, QPointF position);
    void mousePressed(Qt::MouseButton button, QPointF position);
    void mouseReleased(Qt::MouseButton button, QPointF position);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void paintOverlay(QPainter &painter, const Overlay &overlay) const;
    QPointF toPixels(double x, double y) const;

    QImage m_image;
    std::optional<core::PlotMapping> m_mapping;
    Overlay *m_ver;
    Overlay *m_der;
    Overlay *m_shape1;
    Overlay *m_shape2;
};

} // namespace tools::graph
