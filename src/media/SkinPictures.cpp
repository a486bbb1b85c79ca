#include "media/SkinPictures.h"

#include <cmath>

#include <QFile>

namespace {

constexpr int FinestFile = 3;  // the finest scale the pictures are painted for

// ":/images/intro.png" painted for scale 2 is ":/images/intro@2x.png".
QString FileForScale(const QString& plainPath, int scale)
{
    if (scale == 1) {
        return plainPath;
    }
    const qsizetype dot = plainPath.lastIndexOf(QLatin1Char('.'));
    return plainPath.left(dot) + QStringLiteral("@%1x").arg(scale) + plainPath.mid(dot);
}

// The smallest length from `length` on that shrinks by `factor` to a whole
// number of pixels; the length itself when none is near.
int WholeAfterShrinking(int length, qreal factor)
{
    for (int padded = length; padded < length + 64; ++padded) {
        const qreal shrunk = padded * factor;
        if (std::abs(shrunk - std::round(shrunk)) < 1e-6) {
            return padded;
        }
    }
    return length;
}

QImage ImageForScreen(const QString& plainPath, qreal ratio)
{
    const long whole = std::lround(ratio);
    const bool isWhole = whole >= 1 && std::abs(ratio - static_cast<qreal>(whole)) < 0.01;
    if (isWhole) {
        int painted = FinestFile;
        while (whole % painted != 0) {
            --painted;
        }
        QImage image(FileForScale(plainPath, painted));
        if (whole != painted) {
            image = image.scaled(image.size() * static_cast<int>(whole / painted), Qt::IgnoreAspectRatio,
                                 Qt::FastTransformation);
        }
        image.setDevicePixelRatio(static_cast<qreal>(whole));
        return image;
    }
    // The finest file gives the truest average, like painting at the ratio
    // with every screen pixel sampled many times.
    const int painted = FinestFile;
    const QImage fine(FileForScale(plainPath, painted));
    if (fine.isNull()) {
        return fine;
    }
    // Shrinking by exactly ratio / painted keeps every screen pixel over the
    // same share of the picture; a picture whose edge ends inside a screen
    // pixel (95 pixels at 1.5 end at 142.5) is first padded with transparent
    // black up to a size that ends on a whole screen pixel.
    const QSize padded(WholeAfterShrinking(fine.width(), ratio / painted),
                       WholeAfterShrinking(fine.height(), ratio / painted));
    const QSize onScreen(static_cast<int>(std::lround(padded.width() * ratio / painted)),
                         static_cast<int>(std::lround(padded.height() * ratio / painted)));
    QImage image = fine.copy(QRect(QPoint(0, 0), padded))
                       .scaled(onScreen, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    image.setDevicePixelRatio(ratio);
    return image;
}

}  // namespace

QPixmap SkinPicture(const QString& name, qreal devicePixelRatio)
{
    const QString path = QStringLiteral(":/skin/%1.bmp").arg(name.toUpper());
    return QFile::exists(path) ? QPixmap::fromImage(ImageForScreen(path, devicePixelRatio)) : QPixmap();
}

QPixmap DesignPicture(const QString& name, qreal devicePixelRatio)
{
    return QPixmap::fromImage(DesignImage(name, devicePixelRatio));
}

QImage DesignImage(const QString& name, qreal devicePixelRatio)
{
    return ImageForScreen(QStringLiteral(":/images/%1.png").arg(name), devicePixelRatio);
}

QSize PictureSize(const QPixmap& picture)
{
    return picture.deviceIndependentSize().toSize();
}
