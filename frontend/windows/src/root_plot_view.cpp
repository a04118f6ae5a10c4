#include "frontend/root_plot_view.h"

#include "frontend/kit/qt_text.h"
#include "frontend/kit/root_colours.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace frontend
{
namespace
{

using Complex = std::complex<double>;

// Beyond this many pixels from the picture a shape is not drawn: it cannot be seen, and painters lose
// precision (or time) on coordinates far outside their device.
constexpr double farAway = 1e6;
// A disc smaller than this radius, in pixels, would hide under its root's marker.
constexpr double visibleDisc = 3.0;
constexpr double wheelStep = 1.25; // zoom of one wheel notch

/// What every drawing step needs.
struct Scene {
    QPainter &painter;
    QRectF area;
    const core::PlotView &view;
    const core::SolvedRoots &roots;

    QPointF at(Complex z) const
    {
        const core::PlotPixel p = core::toPixel(view, z, area.width(), area.height());
        return { area.left() + p.x, area.top() + p.y };
    }
    bool near(QPointF p) const
    {
        return std::abs(p.x() - area.center().x()) < farAway && std::abs(p.y() - area.center().y()) < farAway;
    }
    double pixels(double length) const { return length / view.unitsPerPixel; }
};

bool isFinite(Complex z)
{
    return std::isfinite(z.real()) && std::isfinite(z.imag());
}

/// Light lines at the ticks, and the two axes where they are in view.
void drawGrid(const Scene &s, const std::vector<core::PlotTick> &xTicks, const std::vector<core::PlotTick> &yTicks)
{
    s.painter.setPen(QPen(QColor(230, 230, 230), 0));
    for (const auto &tick : xTicks) {
        const double x = s.at(Complex(tick.value, 0)).x();
        s.painter.drawLine(QPointF(x, s.area.top()), QPointF(x, s.area.bottom()));
    }
    for (const auto &tick : yTicks) {
        const double y = s.at(Complex(0, tick.value)).y();
        s.painter.drawLine(QPointF(s.area.left(), y), QPointF(s.area.right(), y));
    }
    const QPointF origin = s.at(0.0);
    s.painter.setPen(QPen(QColor(110, 110, 110), 1));
    if (origin.x() >= s.area.left() && origin.x() <= s.area.right()) {
        s.painter.drawLine(QPointF(origin.x(), s.area.top()), QPointF(origin.x(), s.area.bottom()));
    }
    if (origin.y() >= s.area.top() && origin.y() <= s.area.bottom()) {
        s.painter.drawLine(QPointF(s.area.left(), origin.y()), QPointF(s.area.right(), origin.y()));
    }
}

void drawUnitCircle(const Scene &s)
{
    const double radius = s.pixels(1.0);
    const QPointF origin = s.at(0.0);
    if (radius < 0.5 || radius > farAway || !s.near(origin)) {
        return;
    }
    s.painter.setPen(QPen(QColor(140, 140, 140), 1, Qt::DashLine));
    s.painter.setBrush(Qt::NoBrush);
    s.painter.drawEllipse(origin, radius, radius);
}

/// Each root's disc that is sure to hold a root, in the root's colour, where it is large enough to see.
void drawDiscs(const Scene &s)
{
    for (std::size_t i = 0; i < s.roots.values.size(); ++i) {
        const auto &accuracy = s.roots.accuracy.roots[i];
        const double radius = s.pixels(accuracy.errorBound);
        const QPointF centre = s.at(s.roots.values[i]);
        if (!accuracy.found || !(radius >= visibleDisc) || radius > farAway || !s.near(centre)) {
            continue;
        }
        QColor colour = rootColour(s.roots.imaginary[i]);
        s.painter.setPen(QPen(colour, 1));
        colour.setAlpha(40);
        s.painter.setBrush(colour);
        s.painter.drawEllipse(centre, radius, radius);
    }
}

/// A cluster (a multiple root) as one group: a dashed ring about all its members, a cross at its centre,
/// and its multiplicity beside it.
void drawClusters(const Scene &s)
{
    for (const core::RootCluster &cluster : s.roots.accuracy.clusters) {
        if (cluster.members.size() < 2) {
            continue;
        }
        const QPointF centre = s.at(cluster.centre);
        if (!s.near(centre)) {
            continue;
        }
        double reach = std::isfinite(cluster.radius) ? s.pixels(cluster.radius) : 0.0;
        for (const int member : cluster.members) {
            const QPointF p = s.at(s.roots.values[static_cast<std::size_t>(member)]);
            reach = std::max(reach, std::hypot(p.x() - centre.x(), p.y() - centre.y()));
        }
        reach = std::min(reach, farAway) + 9.0; // clear of the members' markers
        s.painter.setPen(QPen(Qt::black, 1.5, Qt::DashLine));
        s.painter.setBrush(Qt::NoBrush);
        s.painter.drawEllipse(centre, reach, reach);
        s.painter.setPen(QPen(Qt::black, 1.5));
        s.painter.drawLine(centre - QPointF(5, 0), centre + QPointF(5, 0));
        s.painter.drawLine(centre - QPointF(0, 5), centre + QPointF(0, 5));
        const QString label = toQt(core::multiplicityText(static_cast<int>(cluster.members.size())));
        s.painter.drawText(centre + QPointF(reach * 0.72 + 3, -reach * 0.72 - 3), label);
    }
}

/// A real root as a dot, a complex one as a diamond (told apart without the colours too).
void drawMarker(QPainter &painter, QPointF p, bool imaginary)
{
    painter.setPen(QPen(QColor(40, 40, 40), 1));
    painter.setBrush(rootColour(imaginary));
    if (imaginary) {
        const QPointF diamond[] = {
            p + QPointF(0, -5.5), p + QPointF(5.5, 0), p + QPointF(0, 5.5), p + QPointF(-5.5, 0)
        };
        painter.drawPolygon(diamond, 4);
    } else {
        painter.drawEllipse(p, 4.5, 4.5);
    }
}

void drawRoots(const Scene &s, int nearest)
{
    for (std::size_t i = 0; i < s.roots.values.size(); ++i) {
        const Complex z = s.roots.values[i];
        const QPointF p = s.at(z);
        if (isFinite(z) && s.near(p)) {
            drawMarker(s.painter, p, s.roots.imaginary[i]);
        }
    }
    if (nearest >= 0) {
        const QPointF p = s.at(s.roots.values[static_cast<std::size_t>(nearest)]);
        if (s.near(p)) {
            s.painter.setPen(QPen(Qt::black, 2));
            s.painter.setBrush(Qt::NoBrush);
            s.painter.drawEllipse(p, 9.0, 9.0);
        }
    }
}

/// The numbered ticks on bands along the bottom (real part) and the left (imaginary part).
void drawAxes(const Scene &s, const std::vector<core::PlotTick> &xTicks, const std::vector<core::PlotTick> &yTicks)
{
    const QFontMetricsF metrics(s.painter.font());
    double band = 0;
    for (const auto &tick : yTicks) {
        band = std::max(band, metrics.horizontalAdvance(toQt(tick.text)));
    }
    band += 12;
    const double bottom = metrics.height() + 10;
    s.painter.setPen(Qt::NoPen);
    s.painter.setBrush(QColor(255, 255, 255, 225));
    s.painter.drawRect(QRectF(s.area.left(), s.area.top(), band, s.area.height()));
    s.painter.drawRect(QRectF(s.area.left(), s.area.bottom() - bottom, s.area.width(), bottom));
    s.painter.setPen(QPen(Qt::black, 1));
    const double baseline = s.area.bottom() - bottom;
    s.painter.drawLine(QPointF(s.area.left() + band, baseline), QPointF(s.area.right(), baseline));
    s.painter.drawLine(QPointF(s.area.left() + band, s.area.top()), QPointF(s.area.left() + band, baseline));
    for (const auto &tick : xTicks) {
        const double x = s.at(Complex(tick.value, 0)).x();
        const QString text = toQt(tick.text);
        const double half = metrics.horizontalAdvance(text) / 2;
        if (x - half < s.area.left() + band || x + half > s.area.right()) {
            continue;
        }
        s.painter.drawLine(QPointF(x, baseline), QPointF(x, baseline + 4));
        s.painter.drawText(QPointF(x - half, baseline + 4 + metrics.ascent()), text);
    }
    for (const auto &tick : yTicks) {
        const double y = s.at(Complex(0, tick.value)).y();
        if (y - metrics.height() / 2 < s.area.top() || y > baseline) {
            continue;
        }
        const QString text = toQt(tick.text);
        const double x = s.area.left() + band;
        s.painter.drawLine(QPointF(x - 4, y), QPointF(x, y));
        s.painter.drawText(QPointF(x - 6 - metrics.horizontalAdvance(text), y + metrics.ascent() / 2 - 1), text);
    }
    // The axes' names: the real part along the bottom, the imaginary part up the left.
    const QString re = RootPlotView::tr("Re");
    s.painter.drawText(QPointF(s.area.right() - metrics.horizontalAdvance(re) - 6, baseline - 5), re);
    s.painter.drawText(QPointF(s.area.left() + band + 5, s.area.top() + metrics.ascent() + 4), RootPlotView::tr("Im"));
}

/// What the marks mean, in the top right corner.
void drawLegend(const Scene &s)
{
    const QFontMetricsF metrics(s.painter.font());
    const QString entries[] = { RootPlotView::tr("real root"),
        RootPlotView::tr("complex root"),
        RootPlotView::tr("disc sure to hold a root"),
        RootPlotView::tr("multiple root (cluster)") };
    double width = 0;
    for (const QString &entry : entries) {
        width = std::max(width, metrics.horizontalAdvance(entry));
    }
    const double line = metrics.height() + 4;
    const QRectF box(s.area.right() - width - 40, s.area.top() + 6, width + 34, 4 * line + 8);
    s.painter.setPen(QPen(QColor(160, 160, 160), 1));
    s.painter.setBrush(QColor(255, 255, 255, 235));
    s.painter.drawRect(box);
    for (int k = 0; k < 4; ++k) {
        const QPointF mark(box.left() + 14, box.top() + 4 + line * (k + 0.5));
        if (k < 2) {
            drawMarker(s.painter, mark, k == 1);
        } else {
            QColor fill = realRootColour();
            s.painter.setPen(k == 2 ? QPen(fill, 1) : QPen(Qt::black, 1.5, Qt::DashLine));
            fill.setAlpha(40);
            s.painter.setBrush(k == 2 ? QBrush(fill) : QBrush(Qt::NoBrush));
            s.painter.drawEllipse(mark, 7.0, 7.0);
        }
        s.painter.setPen(Qt::black);
        s.painter.drawText(QPointF(box.left() + 28, mark.y() + metrics.ascent() / 2 - 1), entries[k]);
    }
}

} // namespace

RootPlotView::RootPlotView(const core::SolvedRoots &roots, QWidget *parent)
    : QWidget(parent)
    , m_roots(roots)
{
    setObjectName(QStringLiteral("picRoots"));
    setAccessibleName(tr("Roots in the complex plane"));
    setAccessibleDescription(tr("Wheel or + and - to zoom, drag or arrow keys to move, Home to show all roots"));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
    fitAll();
}

QSize RootPlotView::sizeHint() const
{
    return { 640, 480 };
}

QSize RootPlotView::minimumSizeHint() const
{
    return { 240, 160 };
}

void RootPlotView::setView(const core::PlotView &view)
{
    m_view = view;
    m_moved = true;
    update();
}

void RootPlotView::fitAll()
{
    // Clear of the bands of tick numbers on both sides, so the roots at the edges stay in sight.
    const double band = 6.0 * fontMetrics().height();
    m_view = core::fitAll(m_roots.values, std::max(width() - band, 40.0), std::max(height() - band, 40.0));
    m_moved = false;
    update();
}

void RootPlotView::paintPicture(QPainter &painter, const QRect &area, bool pointer) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(font());
    painter.setClipRect(area);
    painter.fillRect(area, Qt::white);
    const Scene scene { painter, QRectF(area), m_view, m_roots };
    const Complex low = core::fromPixel(m_view, { 0.0, double(area.height()) }, area.width(), area.height());
    const Complex high = core::fromPixel(m_view, { double(area.width()), 0.0 }, area.width(), area.height());
    const auto xTicks = core::axisTicks(low.real(), high.real(), std::max(2, area.width() / 90));
    const auto yTicks = core::axisTicks(low.imag(), high.imag(), std::max(2, area.height() / 60));
    drawGrid(scene, xTicks, yTicks);
    drawUnitCircle(scene);
    drawDiscs(scene);
    drawClusters(scene);
    drawRoots(scene, pointer ? m_nearest : -1);
    drawAxes(scene, xTicks, yTicks);
    drawLegend(scene);
    painter.setPen(QPen(QColor(120, 120, 120), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(area).adjusted(0.5, 0.5, -0.5, -0.5));
    painter.restore();
}

void RootPlotView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintPicture(painter, rect(), true);
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.drawRect(rect().adjusted(1, 1, -1, -1));
    }
}

void RootPlotView::resizeEvent(QResizeEvent *event)
{
    if (!m_moved) {
        fitAll();
    }
    QWidget::resizeEvent(event);
}

void RootPlotView::zoomAt(QPointF at, double factor)
{
    setView(core::zoomedAt(m_view, { at.x(), at.y() }, factor, width(), height()));
}

void RootPlotView::wheelEvent(QWheelEvent *event)
{
    const double notches = event->angleDelta().y() / 120.0;
    if (notches != 0.0) {
        zoomAt(event->position(), std::pow(wheelStep, notches));
    }
    event->accept();
}

void RootPlotView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_dragging = true;
        m_dragFrom = event->position().toPoint();
        setCursor(Qt::ClosedHandCursor);
    }
}

void RootPlotView::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    if (m_dragging) {
        const QPoint step = at - m_dragFrom;
        m_dragFrom = at;
        setView(core::pannedBy(m_view, step.x(), step.y()));
    }
    const Complex z = core::fromPixel(m_view, { double(at.x()), double(at.y()) }, width(), height());
    setNearest(core::nearestRoot(m_roots.values, z));
}

void RootPlotView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_dragging = false;
        setCursor(Qt::CrossCursor);
    }
}

void RootPlotView::keyPressEvent(QKeyEvent *event)
{
    const QPointF middle(width() / 2.0, height() / 2.0);
    const double step = std::max(width(), height()) / 10.0;
    switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        zoomAt(middle, wheelStep);
        break;
    case Qt::Key_Minus:
        zoomAt(middle, 1.0 / wheelStep);
        break;
    case Qt::Key_Left:
        setView(core::pannedBy(m_view, step, 0));
        break;
    case Qt::Key_Right:
        setView(core::pannedBy(m_view, -step, 0));
        break;
    case Qt::Key_Up:
        setView(core::pannedBy(m_view, 0, step));
        break;
    case Qt::Key_Down:
        setView(core::pannedBy(m_view, 0, -step));
        break;
    case Qt::Key_Home:
        fitAll();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void RootPlotView::setNearest(int index)
{
    if (index != m_nearest) {
        m_nearest = index;
        update();
        Q_EMIT nearestChanged(index);
    }
}

} // namespace frontend
