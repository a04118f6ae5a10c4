#include "frontend/kit/picture_export.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QBuffer>
#include <QSaveFile>
#include <QSvgGenerator>

#include <algorithm>
#include <array>

namespace frontend
{
namespace
{

struct FormatInfo {
    PictureFormat format;
    const char *suffix;
    const char *filter;
};

constexpr std::array<FormatInfo, 3> formats { {
    { PictureFormat::Png, "png", QT_TRANSLATE_NOOP("frontend::PictureExport", "PNG image (*.png)") },
    { PictureFormat::Svg, "svg", QT_TRANSLATE_NOOP("frontend::PictureExport", "SVG drawing (*.svg)") },
    { PictureFormat::Pdf, "pdf", QT_TRANSLATE_NOOP("frontend::PictureExport", "PDF document (*.pdf)") },
} };

const FormatInfo &infoOf(PictureFormat format)
{
    return *std::find_if(formats.begin(), formats.end(), [format](const FormatInfo &info) {
        return info.format == format;
    });
}

QString filterText(const FormatInfo &info)
{
    return QCoreApplication::translate("frontend::PictureExport", info.filter);
}

/// Vector pictures are painted this many times finer than their size in pixels, so curves sampled per
/// device pixel stay smooth when the drawing is enlarged.
constexpr int vectorDetail = 4;
constexpr int pixelsPerInch = 96;

bool paintPng(QIODevice &file, QSize size, const PaintPicture &paint)
{
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull()) {
        return false; // more pixels than can be held
    }
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        paint(painter, size);
    }
    return image.save(&file, "PNG");
}

bool paintSvg(QIODevice &file, QSize size, const PaintPicture &paint, const QString &title)
{
    QSvgGenerator svg;
    svg.setTitle(title);
    svg.setOutputDevice(&file);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setResolution(pixelsPerInch);
    QPainter painter;
    if (!painter.begin(&svg)) {
        return false;
    }
    painter.scale(1.0 / vectorDetail, 1.0 / vectorDetail);
    paint(painter, size * vectorDetail);
    return painter.end();
}

bool paintPdf(QIODevice &file, QSize size, const PaintPicture &paint, const QString &title)
{
    QPdfWriter pdf(&file);
    pdf.setTitle(title);
    pdf.setPageSize(QPageSize(QSizeF(size) * 72.0 / pixelsPerInch, QPageSize::Point));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setResolution(pixelsPerInch * vectorDetail);
    QPainter painter;
    if (!painter.begin(&pdf)) {
        return false;
    }
    paint(painter, size * vectorDetail);
    return painter.end();
}

} // namespace

QString pictureFilters()
{
    QStringList filters;
    for (const FormatInfo &info : formats) {
        filters.append(filterText(info));
    }
    return filters.join(QStringLiteral(";;"));
}

QString pictureFilter(PictureFormat format)
{
    return filterText(infoOf(format)) + QStringLiteral(";;")
        + QCoreApplication::translate("frontend::PictureExport", "All Files (*.*)");
}

QString pictureSuffix(PictureFormat format)
{
    return QLatin1String(infoOf(format).suffix);
}

QString withSuffix(const QString &path, const QString &suffix)
{
    return QFileInfo(path).suffix().isEmpty() ? path + QLatin1Char('.') + suffix : path;
}

PictureFile pictureFile(const QString &path, PictureFormat chosen)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (const FormatInfo &info : formats) {
        if (suffix == QLatin1String(info.suffix)) {
            return { path, info.format };
        }
    }
    return { path + QLatin1Char('.') + pictureSuffix(chosen), chosen };
}

PictureFile pictureFile(const QString &path, const QString &filter)
{
    for (const FormatInfo &info : formats) {
        if (filter == filterText(info)) {
            return pictureFile(path, info.format);
        }
    }
    return pictureFile(path, PictureFormat::Png);
}

QImage pictureImage(QSize size, qreal pixelRatio, const PaintPicture &paint)
{
    QImage image(size * pixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(Qt::white);
    QPainter painter(&image);
    paint(painter, size);
    painter.end();
    return image;
}

bool savePicture(const PictureFile &file, QSize size, const PaintPicture &paint, const QString &title)
{
    if (size.isEmpty()) {
        return false;
    }
    // Painted in memory first: the writers do not check what the file took, and a write cut short (a full
    // disk) would pass unseen. One checked write then goes beside the target, renamed over it when complete.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    bool painted = false;
    switch (file.format) {
    case PictureFormat::Png:
        painted = paintPng(buffer, size, paint);
        break;
    case PictureFormat::Svg:
        painted = paintSvg(buffer, size, paint, title);
        break;
    case PictureFormat::Pdf:
        painted = paintPdf(buffer, size, paint, title);
        break;
    }
    buffer.close();
    if (!painted) {
        return false;
    }
    QSaveFile out(file.path);
    if (!out.open(QIODevice::WriteOnly)) {
        return false;
    }
    if (out.write(bytes) != bytes.size() || !out.flush()) {
        out.cancelWriting(); // the commit then removes the temporary file and leaves the target alone
    }
    return out.commit();
}

bool printPicture(QPrinter &printer, QSize size, const PaintPicture &paint)
{
    QPainter painter;
    if (size.isEmpty() || !painter.begin(&printer)) {
        return false;
    }
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const QSize fitted = size.scaled(page.size(), Qt::KeepAspectRatio);
    painter.translate((page.width() - fitted.width()) / 2.0, (page.height() - fitted.height()) / 2.0);
    painter.setClipRect(QRect(QPoint(0, 0), fitted));
    paint(painter, fitted);
    return painter.end();
}

} // namespace frontend
