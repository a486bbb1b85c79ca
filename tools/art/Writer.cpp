#include "Writer.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <utility>

namespace art {

Writer::Writer(QString root) : m_root(std::move(root)) {}

void Writer::png(const QString& path, const QImage& image) { save(path, image, "PNG"); }

void Writer::bmp(const QString& path, const QImage& image)
{
    save(path, image.convertToFormat(QImage::Format_RGB888), "BMP");
}

void Writer::save(const QString& path, const QImage& image, const char* format)
{
    const QString full = m_root + QLatin1Char('/') + path;
    QDir().mkpath(QFileInfo(full).absolutePath());
    if (!image.save(full, format)) {
        std::fprintf(stderr, "gen_art: cannot write %s\n", qPrintable(full));
        m_ok = false;
    }
}

} // namespace art
