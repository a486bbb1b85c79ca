// Saves the pictures below the resource folder, creating folders as needed,
// and remembers whether every file could be written.

#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace art {

class Writer {
public:
    explicit Writer(QString root);

    void png(const QString& path, const QImage& image);

    // The skin bitmaps are uncompressed 24-bit BMP files.
    void bmp(const QString& path, const QImage& image);

    // A file that is not a bitmap, such as the scalable icon.
    void text(const QString& path, const QByteArray& bytes);

    bool ok() const { return m_ok; }

private:
    void save(const QString& path, const QImage& image, const char* format);
    QString prepare(const QString& path) const;  // the full path, its folder made
    void failed(const QString& full);

    QString m_root; // the resource folder every path is relative to
    bool m_ok = true; // false once a file could not be written
};

} // namespace art
