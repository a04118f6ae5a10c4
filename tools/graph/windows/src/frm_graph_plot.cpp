#include "graph/frm_graph_plot.h"

#include "frontend/kit/dialog_parts.h"
#include "frontend/kit/picture_export.h"
#include "frontend/kit/qt_text.h"
#include "graph/messages.h"
#include "graph/picture.h"
#include "graph/picture_size.h"
#include "platform/clipboard.h"
#include "platform/file_dialogs.h"
#include "platform/message_service.h"
#include "platform/modal_runner.h"
#include "platform/printing.h"
#include "platform/twips.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFontInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>

namespace tools::graph
{
namespace
{

// The smallest window, in twips, and the margins of the picture in the client area, in pixels.
constexpr int minimumWidthTwips = 3730;
constexpr int minimumHeightTwips = 5760;
constexpr int pictureMarginX = 32;
constexpr int pictureMarginY = 135;
constexpr int edge = 16;
constexpr int top = 8;
constexpr int bottomHeight = 92;
constexpr int readOutHeight = 20;

/// The hourglass for as long as it lives.
class BusyCursor
{
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

void letEventsRun()
{
    QCoreApplication::processEvents();
}

QIcon magnifier()
{
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 2));
    painter.drawEllipse(QRectF(3, 3, 12, 12));
    painter.setPen(QPen(Qt::black, 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(14, 14), QPointF(21, 21));
    return QIcon(pixmap);
}

QPushButton *button(const char *name, const QString &caption, const QString &tip)
{
    return frontend::button(caption, name, tip);
}

} // namespace

FrmGraphPlot::FrmGraphPlot(const frontend::core::Equation &equation,
    std::size_t decimals,
    frontend::core::GraphSettings &settings,
    platform::Services services,
    const QString &function,
    QWidget *parent)
    : QDialog(parent)
    , m_equation(equation)
    , m_decimals(decimals)
    , m_settings(settings)
    , m_services(services)
{
    setObjectName(QStringLiteral("frmGraphPlot"));
    setWindowTitle(tr("Kovalin - Graph - [Plotted]"));
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    setSizeGripEnabled(true);

    m_picture = new Picture(this);
    m_chkZoom = new QToolButton(m_picture);
    m_chkZoom->setObjectName(QStringLiteral("chkZoom"));
    m_chkZoom->setCheckable(true);
    m_chkZoom->setIcon(magnifier());
    m_chkZoom->setToolTip(tr("Zoom In/Out"));
    m_chkZoom->setAccessibleName(m_chkZoom->toolTip()); // it shows only a picture
    m_chkZoom->move(2, 2);
    m_lblXY = new QLabel(this);
    m_lblXY->setObjectName(QStringLiteral("lblXY"));
    m_frmNewLength = buildFunctionFrame();
    m_buttons = buildButtons();
    m_txtFunction->setText(function);

    connect(m_picture, &Picture::mouseMoved, this, &FrmGraphPlot::Picture1_MouseMove);
    connect(m_picture, &Picture::mousePressed, this, &FrmGraphPlot::Picture1_MouseDown);
    connect(m_picture, &Picture::mouseReleased, this, &FrmGraphPlot::Picture1_MouseUp);
    connect(m_chkZoom, &QToolButton::clicked, this, &FrmGraphPlot::chkZoom_Click);

    setMinimumSize(platform::twipsToPixels(minimumWidthTwips, this), platform::twipsToPixels(minimumHeightTwips, this));
    resize(760, 620);
}

QGroupBox *FrmGraphPlot::buildFunctionFrame()
{
    auto *frame = new QGroupBox(tr("Plot of Function"), this);
    frame->setObjectName(QStringLiteral("frmNewLength"));
    auto *grid = new QGridLayout(frame);
    auto *label = new QLabel(tr("Function:"));
    label->setObjectName(QStringLiteral("lblFunction"));
    m_txtFunction = new QLineEdit;
    m_txtFunction->setObjectName(QStringLiteral("txtFunction"));
    m_txtFunction->setAccessibleName(tr("Function"));
    m_txtFunction->setReadOnly(true);
    m_txtFunction->setFocusPolicy(Qt::ClickFocus); // the Tab key goes through what acts
    auto *hint = new QLabel(tr("Hint: maximize the window and zoom into the area of interest"));
    hint->setObjectName(QStringLiteral("Label1"));
    hint->setWordWrap(true);
    grid->addWidget(label, 0, 0);
    grid->addWidget(m_txtFunction, 0, 1);
    grid->addWidget(hint, 1, 0, 1, 2);
    // Closely set, so that at the usual font sizes the frame fits the band the picture's margins leave.
    const QMargins margins = grid->contentsMargins();
    grid->setContentsMargins(margins.left(), 2, margins.right(), 2);
    grid->setVerticalSpacing(2);
    return frame;
}

QWidget *FrmGraphPlot::buildButtons()
{
    auto *frame = new QWidget(this);
    frame->setObjectName(QStringLiteral("frmButtons"));
    auto *grid = new QGridLayout(frame);
    grid->setContentsMargins(0, 0, 0, 0);
    QPushButton *copy = button("btnCopy", tr("Copy"), tr("Copy Graph to Clipboard"));
    QPushButton *save = button("btnSave", tr("Save..."), tr("Save Graph as a PNG, SVG or PDF File"));
    QPushButton *print = button("btnPrint", tr("Print..."), tr("Print Graph"));
    QPushButton *redraw = button("btnRedraw", tr("Redraw"), tr("Redraw Plot to Fit Window"));
    QPushButton *modify = button("btnModify", tr("Modify..."), tr("Modify graph parameters"));
    QPushButton *close = button("btnClose", tr("Close"), QString());
    close->setDefault(true); // Enter on the zoom box closes, as in the other result windows
    grid->addWidget(copy, 0, 0);
    grid->addWidget(redraw, 0, 1);
    grid->addWidget(save, 1, 0);
    grid->addWidget(print, 1, 1);
    grid->addWidget(modify, 2, 0);
    grid->addWidget(close, 2, 1);
    grid->setVerticalSpacing(4);
    connect(copy, &QPushButton::clicked, this, &FrmGraphPlot::btnCopy_Click);
    connect(save, &QPushButton::clicked, this, &FrmGraphPlot::btnSave_Click);
    connect(print, &QPushButton::clicked, this, &FrmGraphPlot::btnPrint_Click);
    connect(redraw, &QPushButton::clicked, this, &FrmGraphPlot::btnRedraw_Click);
    connect(modify, &QPushButton::clicked, this, &FrmGraphPlot::btnModify_Click);
    connect(close, &QPushButton::clicked, this, &FrmGraphPlot::btnClose_Click);
    return frame;
}

void FrmGraphPlot::setKnownRoots(std::vector<double> roots)
{
    m_roots = std::move(roots);
}

QString FrmGraphPlot::functionText() const
{
    return m_txtFunction->text();
}

void FrmGraphPlot::layoutChildren()
{
    // The picture keeps fixed margins in the client area; the buttons stay at the bottom right, the
    // function's frame beside them and the read-out above both. Fonts larger than the margins were made for
    // get more room below the picture, so that no text is cut.
    const int w = width();
    const int h = height();
    const int buttonsWidth = m_buttons->sizeHint().width();
    const int frameWidth = std::max(1, w - 3 * edge - buttonsWidth);
    const int band = std::max({ bottomHeight,
        m_buttons->minimumSizeHint().height(),
        m_frmNewLength->layout()->totalMinimumHeightForWidth(frameWidth) });
    const int readOut = std::max(readOutHeight, m_lblXY->fontMetrics().height());
    const int marginY = pictureMarginY + (band - bottomHeight) + (readOut - readOutHeight);
    m_picture->setGeometry(edge, top, std::max(1, w - pictureMarginX), std::max(1, h - marginY));
    m_lblXY->setGeometry(edge, h - marginY + top + 4, std::max(1, w - 2 * edge), readOut);
    const int bottom = h - band - top;
    m_buttons->setGeometry(w - edge - buttonsWidth, bottom, buttonsWidth, band);
    m_frmNewLength->setGeometry(edge, bottom, frameWidth, band);
}

void FrmGraphPlot::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    layoutChildren(); // no redraw: Redraw does that
}

void FrmGraphPlot::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_loaded) {
        m_loaded = true;
        Form_Load();
    }
}

void FrmGraphPlot::Form_Load()
{
    layoutChildren();
    {
        BusyCursor busy;
        PlotGraph();
        letEventsRun();
    }
    m_zoomHelpShown = false;
}

void FrmGraphPlot::draw()
{
    m_polynomial = core::plotCoefficients(m_equation);
    m_request = core::requestFrom(m_settings, m_picture->width(), m_picture->height());
    m_request.numbering.on = m_settings.axisNumbers;
    m_request.numbering.decimals = m_decimals;
    m_request.numbering.fontPixels = QFontInfo(m_picture->font()).pixelSize();
    m_request.numbering.textWidth = labelWidths(m_request.numbering.fontPixels);
    m_request.numbering.roots = m_roots;
    m_window = m_request.window;
    // Drawn in the screen's device pixels, so that a scaled screen shows sharp curves.
    const double ratio = m_picture->devicePixelRatioF();
    const QSize device(static_cast<int>(std::lround(m_picture->width() * ratio)),
        static_cast<int>(std::lround(m_picture->height() * ratio)));
    m_picture->draw(drawingAt(device), m_window, ratio);
}

core::PlotDrawing FrmGraphPlot::drawingAt(QSize pixels) const
{
    core::PlotRequest request = m_request;
    request.width = pixels.width();
    request.height = pixels.height();
    // The enlargement, by the side that grew less, so the lines and numbers keep their share of the picture
    // (the numbers are measured at the screen's size and scaled with it).
    request.scale = m_request.width > 0 && m_request.height > 0
        ? std::min(static_cast<double>(pixels.width()) / m_request.width,
              static_cast<double>(pixels.height()) / m_request.height)
        : 1.0;
    return core::drawPlot(request, m_polynomial ? &*m_polynomial : nullptr);
}

void FrmGraphPlot::PlotGraph()
{
    draw();
}

void FrmGraphPlot::PlotGraph2(double a)
{
    const core::PlotWindow window = a != 0.0 ? core::zoomedOut(m_window) : m_window;
    core::storeZoomedWindow(m_settings, window);
    draw();
}

bool FrmGraphPlot::zooming() const
{
    return m_chkZoom->isChecked();
}

void FrmGraphPlot::showCurveReadOut(double x)
{
    if (!m_polynomial) {
        return;
    }
    const core::CurveReadOut readOut = core::readOutAt(*m_polynomial, m_window, x, m_decimals);
    m_lblXY->setText(frontend::toQt(readOut.label));
    m_picture->ver()->place(readOut.ver);
    m_picture->der()->place(readOut.der);
    m_picture->ver()->setVisible(readOut.showLines);
    m_picture->der()->setVisible(readOut.showLines);
}

void FrmGraphPlot::Picture1_MouseMove(Qt::MouseButtons buttons, QPointF position)
{
    const core::GraphPoint at = m_picture->graphAt(position);
    if (!zooming()) {
        showCurveReadOut(at.x);
        return;
    }
    m_lblXY->setText(frontend::toQt(core::coordinateText(at, m_decimals)));
    if (m_dragging && (buttons & Qt::LeftButton)) {
        m_corner = at;
        m_picture->shape1()->placeRectangle(core::zoomRectangle(m_start, m_corner));
    }
}

void FrmGraphPlot::Picture1_MouseDown(Qt::MouseButton button, QPointF position)
{
    const core::GraphPoint at = m_picture->graphAt(position);
    if (button == Qt::RightButton && !zooming()) {
        const QString coordinates = frontend::toQt(core::coordinateText(at, m_decimals));
        m_services.messages.show(msg::graphCoordinate(coordinates), this);
    } else if (button == Qt::LeftButton && zooming()) {
        m_start = at;
        m_corner = at;
        m_dragging = true;
        m_picture->shape1()->placeRectangle(core::zoomRectangle(m_start, m_corner));
        m_picture->shape1()->setVisible(true);
    } else if (button == Qt::RightButton && zooming()) {
        BusyCursor busy;
        PlotGraph2(1.0);
        letEventsRun();
    }
}

void FrmGraphPlot::Picture1_MouseUp(Qt::MouseButton button, QPointF position)
{
    if (button != Qt::LeftButton || !zooming() || !m_dragging) {
        return;
    }
    m_dragging = false;
    m_corner = m_picture->graphAt(position);
    m_picture->shape1()->setVisible(false);
    if (m_start.x == m_corner.x && m_start.y == m_corner.y) {
        return; // a click without movement
    }
    zoomInto(core::zoomRectangle(m_start, m_corner));
}

void FrmGraphPlot::zoomInto(const core::ZoomRect &rect)
{
    const auto window = core::zoomedIn(rect);
    if (!window) {
        return; // a drag along one direction only selects no area
    }
    m_picture->shape2()->placeRectangle(rect);
    m_picture->shape2()->setVisible(true);
    m_picture->repaint();
    letEventsRun();
    BusyCursor busy;
    m_picture->shape2()->setVisible(false);
    core::storeZoomedWindow(m_settings, *window);
    PlotGraph();
}

void FrmGraphPlot::chkZoom_Click()
{
    m_picture->setCursor(zooming() ? Qt::CrossCursor : Qt::ArrowCursor);
    if (!zooming()) {
        return;
    }
    m_picture->ver()->setVisible(false);
    m_picture->der()->setVisible(false);
    if (!m_zoomHelpShown) {
        m_zoomHelpShown = true;
        m_services.messages.show(msg::zoomHelp(), this);
    }
}

void FrmGraphPlot::btnCopy_Click()
{
    // The bitmap keeps the picture's own size, whatever the screen's pixel ratio.
    m_services.clipboard.setImage(renderDrawing(drawingAt(m_picture->drawnSize())));
}

void FrmGraphPlot::btnSave_Click()
{
    const auto choice = m_services.fileDialogs.saveFileOfType(this, msg::saveGraph());
    if (!choice || choice->path.isEmpty()) {
        return;
    }
    const frontend::PictureFile file = frontend::pictureFile(choice->path, choice->filter);
    std::optional<QSize> size = m_picture->drawnSize();
    if (file.format == frontend::PictureFormat::Png) {
        size = askPngSize(*size);
        if (!size) {
            return;
        }
    }
    bool saved = false;
    {
        BusyCursor busy;
        const auto paint = [this](QPainter &painter, QSize pixels) {
            paintDrawing(painter, drawingAt(pixels));
        };
        saved = frontend::savePicture(file, *size, paint, windowTitle());
    }
    if (!saved) {
        m_services.messages.show(msg::graphNotSaved(file.path), this);
    }
}

std::optional<QSize> FrmGraphPlot::askPngSize(QSize size)
{
    PictureSizeDialog dialog(size, this);
    if (m_services.modal.run(dialog) != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.chosenSize();
}

void FrmGraphPlot::btnPrint_Click()
{
    const QSize size = m_picture->drawnSize();
    m_services.printing.print(this, [this, size](QPrinter &printer) {
        BusyCursor busy;
        const bool printed = frontend::printPicture(printer, size, [this](QPainter &painter, QSize pixels) {
            paintDrawing(painter, drawingAt(pixels));
        });
        if (!printed) {
            m_services.messages.show(msg::graphNotPrinted(), this);
        }
    });
}

void FrmGraphPlot::contextMenuEvent(QContextMenuEvent *event)
{
    // The right button already has its meanings on the picture; the menu comes from the keyboard's menu key
    // (or Shift+F10) anywhere in the window, and from a right click with Shift held.
    if (event->reason() == QContextMenuEvent::Mouse
        && !(event->modifiers() & Qt::ShiftModifier && m_picture->geometry().contains(event->pos()))) {
        event->ignore();
        return;
    }
    const QPoint at = event->reason() == QContextMenuEvent::Mouse
        ? event->globalPos()
        : m_picture->mapToGlobal(m_picture->rect().center());
    showPictureMenu(at);
}

void FrmGraphPlot::showPictureMenu(QPoint global)
{
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("mnuPicture"));
    menu.addAction(tr("&Copy"), this, &FrmGraphPlot::btnCopy_Click);
    menu.addAction(tr("&Save..."), this, &FrmGraphPlot::btnSave_Click);
    menu.addAction(tr("&Print..."), this, &FrmGraphPlot::btnPrint_Click);
    menu.exec(global);
}

void FrmGraphPlot::btnRedraw_Click()
{
    letEventsRun();
    {
        BusyCursor busy;
        PlotGraph2(0.0);
        letEventsRun();
    }
}

void FrmGraphPlot::btnModify_Click()
{
    m_modify = true;
    accept();
}

void FrmGraphPlot::btnClose_Click()
{
    reject();
}

} // namespace tools::graph
