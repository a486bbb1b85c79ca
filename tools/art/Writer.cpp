#include "Writer.h"

#include <QDir>
#include <QFile>
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

void Writer::text(const QString& path, const QByteArray& bytes)
{
    const QString full = prepare(path);
    QFile file(full);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        failed(full);
    }
}

void Writer::save(const QString& path, const QImage& image, const char* format)
{
    const QString full = prepare(path);
    if (!image.save(full, format)) {
        failed(full);
    }
}

QString Writer::prepare(const QString& path) const
{
    const QString full = m_root + QLatin1Char('/') + path;
    QDir().mkpath(QFileInfo(full).absolutePath());
    return full;
}

void Writer::failed(const QString& full)
{
    std::fprintf(stderr, "gen_art: cannot write %s\n", qPrintable(full));
    m_ok = false;
}

} // namespace art
