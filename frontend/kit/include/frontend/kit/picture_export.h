#pragma once
// Keeping a picture: saved as PNG, SVG or PDF (written whole or not at all) or printed, always painted by
// the same code the window paints with.

#include <QImage>
#include <QSize>
#include <QString>

#include <functional>

class QPainter;
class QPrinter;

namespace frontend
{

enum class PictureFormat { Png, Svg, Pdf };

/// The save dialog's filters of the picture formats, PNG first.
QString pictureFilters();

/// The save dialog's filter of one format, then all files.
QString pictureFilter(PictureFormat format);

/// The file suffix of a format, without the point: "png", "svg", "pdf".
QString pictureSuffix(PictureFormat format);

/// A name typed without a suffix gets `suffix` ("roots" becomes "roots.csv"); one with a suffix stays.
QString withSuffix(const QString &path, const QString &suffix);

/// Where a picture is saved and as what.
struct PictureFile {
    QString path;
    PictureFormat format = PictureFormat::Png;
};

/// The file a save dialog's answer names: a name ending in a picture suffix is saved in that format;
/// otherwise the chosen filter's format is used and its suffix added.
PictureFile pictureFile(const QString &path, const QString &filter);

/// The same for a dialog that offered one format, `chosen`.
PictureFile pictureFile(const QString &path, PictureFormat chosen);

/// Paints the picture with the painter's coordinates spanning `pixels` from the top-left corner; the
/// painter's device is that many pixels large (or as fine, for vector formats), so the picture may draw
/// as much detail as that gives.
using PaintPicture = std::function<void(QPainter &painter, QSize pixels)>;

/// The picture as an image of `size` logical pixels at `pixelRatio` device pixels each (for the clipboard).
QImage pictureImage(QSize size, qreal pixelRatio, const PaintPicture &paint);

/// Writes the picture: a PNG bitmap of exactly `size` pixels, or an SVG drawing or one-page PDF of `size`
/// pixels at 96 pixels per inch, painted finer. The file is written to a temporary file beside the target
/// and renamed over it; false when that failed, with an existing file left as it was. A drawing or document
/// carries `title` as its title.
bool savePicture(const PictureFile &file, QSize size, const PaintPicture &paint, const QString &title = {});

/// Prints the picture of `size` on one page of `printer`, centred and as large as the page allows with its
/// shape kept. False when the printer could not be started.
bool printPicture(QPrinter &printer, QSize size, const PaintPicture &paint);

} // namespace frontend
