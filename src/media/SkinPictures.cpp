#include "media/SkinPictures.h"

#include <algorithm>
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
    QImage image(FileForScale(plainPath, painted));
    if (image.isNull()) {
        return image;
    }
    const QSize onScreen(static_cast<int>(std::lround(image.width() * ratio / painted)),
                         static_cast<int>(std::lround(image.height() * ratio / painted)));
    image = image.scaled(onScreen, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
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
