#include "frontend/frm_root_plot.h"

#include "frontend/kit/dialog_parts.h"
#include "frontend/kit/qt_text.h"
#include "frontend/kit/screen_fit.h"
#include "frontend/messages.h"
#include "frontend/root_plot_view.h"
#include "platform/clipboard.h"
#include "platform/file_dialogs.h"
#include "platform/message_service.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace frontend
{

FrmRootPlot::FrmRootPlot(const core::SolvedRoots &roots, platform::Services services, QWidget *parent)
    : QDialog(parent)
    , m_roots(roots)
    , m_services(services)
    , m_picRoots(new RootPlotView(roots))
    , m_lblNearest(label(QString(), "lblNearest"))
{
    setObjectName(QStringLiteral("frmRootPlot"));
    setWindowTitle(tr("Kovalin - Equation Solver - [Roots in the Complex Plane]"));
    m_lblNearest->setText(tr("Point at a root to see its value and accuracy."));
    m_lblNearest->setTextInteractionFlags(Qt::TextSelectableByMouse);
    connect(m_picRoots, &RootPlotView::nearestChanged, this, &FrmRootPlot::picRoots_NearestChanged);
    auto *fit = button(tr("Fit All"), "btnFitAll", tr("Show every root and the unit circle"));
    auto *copy = button(tr("Copy Picture"), "btnCopyPicture", tr("Copy the picture to the clipboard"));
    auto *png = button(tr("Save PNG..."), "btnSavePng", tr("Save the picture as a PNG image"));
    auto *svg = button(tr("Save SVG..."), "btnSaveSvg", tr("Save the picture as an SVG drawing"));
    auto *close = button(tr("Close"), "btnClose");
    close->setDefault(true);
    connect(fit, &QPushButton::clicked, this, &FrmRootPlot::btnFitAll_Click);
    connect(copy, &QPushButton::clicked, this, &FrmRootPlot::btnCopyPicture_Click);
    connect(png, &QPushButton::clicked, this, &FrmRootPlot::btnSavePng_Click);
    connect(svg, &QPushButton::clicked, this, &FrmRootPlot::btnSaveSvg_Click);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *each : { fit, copy, png, svg }) {
        buttons->addWidget(each);
    }
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_picRoots, 1);
    layout->addWidget(m_lblNearest);
    layout->addLayout(buttons);
    fitToScreen(this, QSize(760, 620));
    m_picRoots->setFocus();
}

QString FrmRootPlot::rootText(int index) const
{
    const auto at = static_cast<std::size_t>(index);
    const core::RootAccuracy &accuracy = m_roots.accuracy.roots[at];
    QString text = tr("Root %1: %2").arg(index + 1).arg(toQt(core::pointText(m_roots.values[at], m_roots.decimals)));
    const std::string bound = core::boundText(accuracy.errorBound);
    if (bound.empty()) {
        return text + QStringLiteral("   ") + tr("accuracy unknown");
    }
    text +=
        QStringLiteral("   ") + tr("error bound %1, %2 correct digits").arg(toQt(bound)).arg(accuracy.correctDigits);
    if (accuracy.multiplicity > 1) {
        const auto &cluster = m_roots.accuracy.clusters[static_cast<std::size_t>(accuracy.cluster)];
        text += QStringLiteral("   ")
            + tr("%1 root about %2, within %3")
                  .arg(toQt(core::multiplicityText(accuracy.multiplicity)),
                      toQt(core::pointText(cluster.centre, m_roots.decimals)),
                      toQt(core::boundText(cluster.radius)));
    }
    return text;
}

void FrmRootPlot::picRoots_NearestChanged(int index)
{
    if (index >= 0) {
        m_lblNearest->setText(rootText(index));
    }
}

void FrmRootPlot::btnFitAll_Click()
{
    m_picRoots->fitAll();
}

PaintPicture FrmRootPlot::painting() const
{
    // The picture as the window shows it (its scale is in units per pixel), stretched over the pixels given.
    return [view = m_picRoots](QPainter &painter, QSize pixels) {
        const QSize shown = view->size();
        painter.scale(double(pixels.width()) / shown.width(), double(pixels.height()) / shown.height());
        view->paintPicture(painter, QRect(QPoint(0, 0), shown));
    };
}

void FrmRootPlot::btnCopyPicture_Click()
{
    m_services.clipboard.setImage(pictureImage(m_picRoots->size(), m_picRoots->devicePixelRatioF(), painting()));
}

void FrmRootPlot::btnSavePng_Click()
{
    savePictureAs(PictureFormat::Png);
}

void FrmRootPlot::btnSaveSvg_Click()
{
    savePictureAs(PictureFormat::Svg);
}

void FrmRootPlot::savePictureAs(PictureFormat format)
{
    platform::FileDialogRequest request { tr("Save Picture of Roots"),
        pictureFilter(format),
        QStringLiteral("roots.") + pictureSuffix(format),
        true,
        pictureSuffix(format) };
    const auto typed = m_services.fileDialogs.saveFile(this, request);
    if (!typed || typed->isEmpty()) {
        return;
    }
    const PictureFile target = pictureFile(*typed, format);
    // A bitmap as sharp as the screen shows it; a drawing at the picture's size.
    const qreal ratio = format == PictureFormat::Png ? m_picRoots->devicePixelRatioF() : 1.0;
    if (!savePicture(target, (QSizeF(m_picRoots->size()) * ratio).toSize(), painting(), windowTitle())) {
        m_services.messages.show(msg::pictureNotSaved(QDir::toNativeSeparators(target.path)), this);
    }
}

} // namespace frontend
