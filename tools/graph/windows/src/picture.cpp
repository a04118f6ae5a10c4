#include "graph/picture.h"

#include <QMouseEvent>
#include <QPainter>

#include <vector>

namespace tools::graph
{
namespace
{

QColor toQColor(core::Rgb colour)
{
    return QColor(colour.r, colour.g, colour.b);
}

} // namespace

void paintDrawing(QImage &image, const core::PlotDrawing &drawing)
{
    image.fill(Qt::white);
    QPainter painter(&image);
    std::vector<QLine> lines;
    for (const core::Stroke &stroke : drawing.strokes) {
        lines.clear();
        lines.reserve(stroke.lines.size());
        for (const core::PixelLine &line : stroke.lines) {
            lines.emplace_back(line.x1, line.y1, line.x2, line.y2);
        }
        painter.setPen(QPen(toQColor(stroke.colour), 0)); // one pixel, ends included
        painter.drawLines(lines.data(), static_cast<int>(lines.size()));
    }
}

Overlay::Overlay(const char *name, Kind kind, QColor colour, Qt::PenStyle style, QObject *parent)
    : QObject(parent)
    , m_kind(kind)
    , m_colour(colour)
    , m_style(style)
{
    setObjectName(QLatin1String(name));
}

void Overlay::place(const core::LineF &geometry)
{
    m_geometry = geometry;
    Q_EMIT changed();
}

void Overlay::placeRectangle(const core::ZoomRect &rect)
{
    place({ rect.left, rect.top, rect.left + rect.width, rect.top - rect.height });
}

void Overlay::setVisible(bool visible)
{
    if (m_visible != visible) {
        m_visible = visible;
        Q_EMIT changed();
    }
}

Picture::Picture(QWidget *parent)
    : QWidget(parent)
    , m_ver(new Overlay("Ver", Overlay::Kind::Line, toQColor(core::colours::verticalLine), Qt::SolidLine, this))
    , m_der(new Overlay("Der", Overlay::Kind::Line, toQColor(core::colours::tangent), Qt::SolidLine, this))
    , m_shape1(new Overlay("Shape1", Overlay::Kind::Rectangle, Qt::black, Qt::DashLine, this))
    , m_shape2(new Overlay("Shape2", Overlay::Kind::Rectangle, Qt::black, Qt::SolidLine, this))
{
    setObjectName(QStringLiteral("Picture1"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    for (Overlay *overlay : { m_ver, m_der, m_shape1, m_shape2 }) {
        connect(overlay, &Overlay::changed, this, qOverload<>(&QWidget::update));
    }
}

void Picture::draw(const core::PlotDrawing &drawing, const core::PlotWindow &window)
{
    if (m_image.size() != QSize(drawing.width, drawing.height)) {
        m_image = QImage(drawing.width, drawing.height, QImage::Format_RGB32);
    }
    paintDrawing(m_image, drawing);
    m_mapping.emplace(window, drawing.width, drawing.height);
    update();
}

core::GraphPoint Picture::graphAt(QPointF position) const
{
    return m_mapping ? m_mapping->graphAt(position.x(), position.y()) : core::GraphPoint {};
}

QPointF Picture::toPixels(double x, double y) const
{
    return { m_mapping->pixelX(x), m_mapping->pixelY(y) };
}

void Picture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white); // beyond the bitmap after the picture grew
    painter.drawImage(0, 0, m_image);
    if (!m_mapping) {
        return;
    }
    for (const Overlay *overlay : { m_ver, m_der, m_shape1, m_shape2 }) {
        if (overlay->isVisible()) {
            paintOverlay(painter, *overlay);
        }
    }
}

void Picture::paintOverlay(QPainter &painter, const Overlay &overlay) const
{
    painter.setPen(QPen(overlay.colour(), 0, overlay.style()));
    painter.setBrush(Qt::NoBrush);
    const core::LineF &g = overlay.geometry();
    const QPointF a = toPixels(g.x1, g.y1);
    const QPointF b = toPixels(g.x2, g.y2);
    // Lines and rectangles may reach far beyond the picture (a steep tangent, a tiny window): cut them to
    // it first, as the painter's own coordinates are limited.
    const double left = -2.0;
    const double top = -2.0;
    const double right = width() + 2.0;
    const double bottom = height() + 2.0;
    if (overlay.kind() == Overlay::Kind::Line) {
        if (const auto cut = core::clipLine({ a.x(), a.y(), b.x(), b.y() }, left, top, right, bottom)) {
            painter.drawLine(QLineF(cut->x1, cut->y1, cut->x2, cut->y2));
        }
        return;
    }
    const QRectF box = QRectF(a, b).normalized() & QRectF(left, top, right - left, bottom - top);
    if (!box.isNull()) {
        painter.drawRect(box);
    }
}

void Picture::mouseMoveEvent(QMouseEvent *event)
{
    Q_EMIT mouseMoved(event->buttons(), event->position());
}

void Picture::mousePressEvent(QMouseEvent *event)
{
    Q_EMIT mousePressed(event->button(), event->position());
}

void Picture::mouseReleaseEvent(QMouseEvent *event)
{
    Q_EMIT mouseReleased(event->button(), event->position());
}

} // namespace tools::graph
