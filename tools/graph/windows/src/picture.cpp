#include "graph/picture.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <cmath>
#include <vector>

namespace tools::graph
{
namespace
{

QColor toQColor(core::Rgb colour)
{
    return QColor(colour.r, colour.g, colour.b);
}

/// The axis numbers and the root marks, over the curves.
void paintNumbers(QPainter &painter, const core::PlotDrawing &drawing)
{
    if (drawing.labels.empty() && drawing.roots.empty()) {
        return;
    }
    const int widest = std::max(1, drawing.width);
    const int high = std::max(1, drawing.fontPixels * 2);
    painter.setFont(labelFont(drawing.fontPixels));
    painter.setPen(Qt::black);
    for (const core::AxisLabel &label : drawing.labels) {
        QRect box;
        Qt::Alignment align;
        switch (label.anchor) {
        case core::LabelAnchor::Below:
            box = QRect(label.x - widest / 2, label.y, widest, high);
            align = Qt::AlignHCenter | Qt::AlignTop;
            break;
        case core::LabelAnchor::Above:
            box = QRect(label.x - widest / 2, label.y - high, widest, high);
            align = Qt::AlignHCenter | Qt::AlignBottom;
            break;
        case core::LabelAnchor::Left:
            box = QRect(label.x - widest, label.y - high / 2, widest, high);
            align = Qt::AlignRight | Qt::AlignVCenter;
            break;
        case core::LabelAnchor::Right:
            box = QRect(label.x, label.y - high / 2, widest, high);
            align = Qt::AlignLeft | Qt::AlignVCenter;
            break;
        }
        painter.drawText(box, static_cast<int>(align), QString::fromStdString(label.text));
    }
    const int pen = 2 * std::max(1, drawing.strokes.empty() ? 1 : drawing.strokes.front().penWidth);
    painter.setPen(QPen(toQColor(core::rootColour), pen));
    painter.setBrush(Qt::NoBrush);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const core::RootMark &mark : drawing.roots) {
        painter.drawEllipse(QPoint(mark.x, mark.y), mark.radius, mark.radius);
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
}

} // namespace

QFont labelFont(int pixels)
{
    QFont font;
    font.setPixelSize(std::max(1, pixels));
    return font;
}

std::function<int(std::string_view)> labelWidths(int pixels)
{
    return [metrics = QFontMetrics(labelFont(pixels))](std::string_view text) {
        return metrics.horizontalAdvance(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    };
}

void paintDrawing(QPainter &painter, const core::PlotDrawing &drawing)
{
    painter.fillRect(QRect(0, 0, drawing.width, drawing.height), Qt::white);
    // Lines joined end to start go out as one polyline: the same pixels on a bitmap, and a vector file keeps
    // a curve's pass as one path instead of thousands of separate lines.
    QPolygon run;
    const auto flush = [&painter, &run] {
        if (run.size() > 1) {
            painter.drawPolyline(run);
        }
        run.clear();
    };
    for (const core::Stroke &stroke : drawing.strokes) {
        // One pixel is a cosmetic pen (ends included, as the device context draws); wider pens keep their width
        // in device pixels.
        QPen pen(toQColor(stroke.colour), stroke.penWidth > 1 ? stroke.penWidth : 0);
        pen.setCapStyle(Qt::FlatCap);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        for (const core::PixelLine &line : stroke.lines) {
            if (run.isEmpty() || run.constLast() != QPoint(line.x1, line.y1)) {
                flush();
                run.append(QPoint(line.x1, line.y1));
            }
            run.append(QPoint(line.x2, line.y2));
        }
        flush();
    }
    paintNumbers(painter, drawing);
}

QImage renderDrawing(const core::PlotDrawing &drawing)
{
    QImage image(std::max(drawing.width, 1), std::max(drawing.height, 1), QImage::Format_RGB32);
    QPainter painter(&image);
    paintDrawing(painter, drawing);
    return image;
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

void Picture::draw(const core::PlotDrawing &drawing, const core::PlotWindow &window, double ratio)
{
    m_image = renderDrawing(drawing);
    // Drawn in device pixels, shown at the picture's own size: sharp on a screen of any pixel ratio.
    m_image.setDevicePixelRatio(ratio);
    m_mapping.emplace(
        window, static_cast<int>(std::lround(drawing.width / ratio)), static_cast<int>(std::lround(drawing.height / ratio)));
    update();
}

QSize Picture::drawnSize() const
{
    return m_mapping ? QSize(m_mapping->width(), m_mapping->height()) : size();
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
    if (event->button() == Qt::RightButton && (event->modifiers() & Qt::ShiftModifier)) {
        return; // the picture's menu, not a read-out or a zoom
    }
    Q_EMIT mousePressed(event->button(), event->position());
}

void Picture::mouseReleaseEvent(QMouseEvent *event)
{
    Q_EMIT mouseReleased(event->button(), event->position());
}

} // namespace tools::graph
