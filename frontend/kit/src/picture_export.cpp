#include "frontend/kit/picture_export.h"

#include "frontend/kit/messages.h"

#include <QFileInfo>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

namespace frontend
{
namespace
{

bool savePng(QSaveFile &file, QSize size, qreal pixelRatio, const PaintPicture &paint)
{
    return pictureImage(size, pixelRatio, paint).save(&file, "PNG");
}

bool saveSvg(QSaveFile &file, QSize size, const QString &title, const PaintPicture &paint)
{
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(size);
    svg.setResolution(96); // a logical pixel of a desktop screen, so the drawing's size in mm is the one seen
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(title);
    QPainter painter;
    if (!painter.begin(&svg)) {
        return false;
    }
    paint(painter, QRect(QPoint(0, 0), size));
    return painter.end();
}

} // namespace

QString pictureSuffix(PictureFormat format)
{
    return format == PictureFormat::Png ? QStringLiteral("png") : QStringLiteral("svg");
}

QString pictureFilter(PictureFormat format)
{
    const QString images = format == PictureFormat::Png ? msg::tr("PNG Images") : msg::tr("SVG Images");
    return images + QStringLiteral(" (*.") + pictureSuffix(format) + QStringLiteral(");;") + msg::tr("All Files")
        + QStringLiteral(" (*.*)");
}

QString withSuffix(const QString &path, const QString &suffix)
{
    return QFileInfo(path).suffix().isEmpty() ? path + QLatin1Char('.') + suffix : path;
}

PicturePath picturePath(const QString &typed, PictureFormat chosen)
{
    const QString suffix = QFileInfo(typed).suffix().toLower();
    for (const PictureFormat format : { PictureFormat::Png, PictureFormat::Svg }) {
        if (suffix == pictureSuffix(format)) {
            return { typed, format };
        }
    }
    return { typed + QLatin1Char('.') + pictureSuffix(chosen), chosen };
}

QImage pictureImage(QSize size, qreal pixelRatio, const PaintPicture &paint)
{
    QImage image(size * pixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(Qt::white);
    QPainter painter(&image);
    paint(painter, QRect(QPoint(0, 0), size));
    painter.end();
    return image;
}

bool savePicture(
    const PicturePath &target, QSize size, qreal pixelRatio, const QString &title, const PaintPicture &paint)
{
    QSaveFile file(target.path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    const bool drawn = target.format == PictureFormat::Png ? savePng(file, size, pixelRatio, paint)
                                                           : saveSvg(file, size, title, paint);
    if (!drawn) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace frontend
