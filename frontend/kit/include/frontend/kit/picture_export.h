#pragma once
// A picture drawn by one paint routine, put on the clipboard as an image or saved as PNG or SVG: the same
// routine draws the window, the image and the file, so what is saved is what was seen.

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

#include <functional>

class QPainter;

namespace frontend
{

/// Draws a picture into `area` (the whole of what it is given).
using PaintPicture = std::function<void(QPainter &painter, const QRect &area)>;

enum class PictureFormat { Png, Svg };

/// The file suffix of a format, without the point: "png", "svg".
QString pictureSuffix(PictureFormat format);
/// The save dialog's filter of a format: "PNG Images (*.png)", then all files.
QString pictureFilter(PictureFormat format);
/// A name typed without a suffix gets `suffix` ("roots" becomes "roots.csv"); one with a suffix stays.
QString withSuffix(const QString &path, const QString &suffix);
/// The format a path names by its suffix, and the path: a name whose suffix is neither picture format's
/// gets the suffix of `chosen`, the format of the dialog it was typed in.
struct PicturePath {
    QString path;
    PictureFormat format;
};
PicturePath picturePath(const QString &typed, PictureFormat chosen);

/// The picture as an image of `size` logical pixels at `pixelRatio` device pixels each.
QImage pictureImage(QSize size, qreal pixelRatio, const PaintPicture &paint);
/// Saves the picture, `size` logical pixels, as PNG (at `pixelRatio`) or SVG (`title` its title), whole or
/// not at all: an old file stays as it was when the save fails. False on failure.
bool savePicture(
    const PicturePath &target, QSize size, qreal pixelRatio, const QString &title, const PaintPicture &paint);

} // namespace frontend
