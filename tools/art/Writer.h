// Saves the pictures below the resource folder, creating folders as needed,
// and remembers whether every file could be written.

#pragma once

#include <QImage>
#include <QString>

namespace art {

class Writer {
public:
    explicit Writer(QString root);

    void png(const QString& path, const QImage& image);

    // The skin bitmaps are uncompressed 24-bit BMP files.
    void bmp(const QString& path, const QImage& image);

    bool ok() const { return m_ok; }

private:
    void save(const QString& path, const QImage& image, const char* format);

    QString m_root; // the resource folder every path is relative to
    bool m_ok = true; // false once a file could not be written
};

} // namespace art
