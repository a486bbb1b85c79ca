#include "IconTheme.h"

#include "Emblems.h"
#include "Painting.h"
#include "Writer.h"

#include <QBuffer>
#include <QPainter>
#include <QRectF>


namespace art {

namespace {

QString number(double v) { return QString::number(v, 'g', 6); }

QString colour(const QColor& c) { return c.name(QColor::HexRgb); }

QString roundedRect(const QRectF& r, double radius, const QString& fill, const QString& extra = {})
{
    return QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" fill=\"%6\"%7/>\n")
        .arg(number(r.x()), number(r.y()), number(r.width()), number(r.height()), number(radius), fill, extra);
}

QString gradient(const QString& id, QPointF from, QPointF to, const QString& stops)
{
    return QStringLiteral("  <linearGradient id=\"%1\" gradientUnits=\"userSpaceOnUse\" x1=\"%2\" y1=\"%3\" "
                          "x2=\"%4\" y2=\"%5\">\n%6  </linearGradient>\n")
        .arg(id, number(from.x()), number(from.y()), number(to.x()), number(to.y()), stops);
}

QString stop(double offset, const QColor& c, double opacity = 1.0)
{
    QString s = QStringLiteral("    <stop offset=\"%1\" stop-color=\"%2\"").arg(number(offset), colour(c));
    if (opacity < 1.0)
        s += QStringLiteral(" stop-opacity=\"%1\"").arg(number(opacity));
    return s + QStringLiteral("/>\n");
}

// Below 32 pixels a block is only four pixels wide; a black outline would eat
// half of it. Such blocks keep just the bevel: a lit upper and left edge, a
// shaded lower and right edge, and their colour in the middle.
QImage makeTinyIcon(int size)
{
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    const int cell = size / 4;
    forEachIconStone([&](int r, int c, const QColor& base) {
        const QRect block(c * cell, r * cell, cell, cell);
        p.fillRect(block, base);
        drawRings(p, block, {{lighter(base, 0.45), darker(base, 0.5)}});
    });
    p.end();
    return img;
}

QImage makeIconOfSize(int size) { return size < 32 ? makeTinyIcon(size) : makeIcon(size); }

void appendLittleEndian(QByteArray& bytes, quint32 value, int width)
{
    for (int i = 0; i < width; ++i)
        bytes.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

} // namespace

// The same stones as makeIcon paints above 32 pixels: a dark rounded base, a
// face shaded from the upper left, and a raised top with a gloss.
QByteArray makeIconSvg()
{
    constexpr double size = 256;
    constexpr double cell = size / 4;
    const double round = cell * 0.14;
    QString defs;
    QString body;
    forEachIconStone([&](int r, int c, const QColor& base) {
        const QString id = QStringLiteral("b%1%2").arg(r).arg(c);
        const QRectF b(c * cell + cell * 0.04, r * cell + cell * 0.04, cell * 0.92, cell * 0.92);
        const QRectF face = b.adjusted(cell * 0.04, cell * 0.04, -cell * 0.04, -cell * 0.04);
        const QRectF top = face.adjusted(cell * 0.16, cell * 0.16, -cell * 0.16, -cell * 0.16);
        defs += gradient(id + QStringLiteral("face"), face.topLeft(), face.bottomRight(),
                         stop(0, lighter(base, 0.5)) + stop(0.45, base) + stop(1, darker(base, 0.45)));
        defs += gradient(id + QStringLiteral("gloss"), top.topLeft(), top.center(),
                         stop(0, Qt::white, 90.0 / 255) + stop(1, Qt::white, 0));
        body += roundedRect(b, round, QStringLiteral("#000000"),
                            QStringLiteral(" fill-opacity=\"%1\"").arg(number(230.0 / 255)));
        body += roundedRect(face, round * 0.8, QStringLiteral("url(#%1face)").arg(id));
        body += roundedRect(top, round * 0.5, colour(base));
        body += roundedRect(top, round * 0.5, QStringLiteral("url(#%1gloss)").arg(id));
    });
    const QString svg = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                       "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
                                       "viewBox=\"0 0 %1 %1\">\n <defs>\n%2 </defs>\n%3</svg>\n")
                            .arg(number(size), defs, body);
    return svg.toUtf8();
}

QByteArray makeWindowsIcon()
{
    QList<QByteArray> pictures;
    for (const int size : WindowsIconSizes) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        makeIconOfSize(size).save(&buffer, "PNG");
        pictures.append(png);
    }
    // The header, one 16-byte entry per picture, then the pictures themselves.
    constexpr int HeaderBytes = 6;
    constexpr int EntryBytes = 16;
    QByteArray ico;
    appendLittleEndian(ico, 0, 2); // reserved
    appendLittleEndian(ico, 1, 2); // an icon, not a cursor
    appendLittleEndian(ico, static_cast<quint32>(pictures.size()), 2);
    quint32 offset = HeaderBytes + EntryBytes * static_cast<quint32>(pictures.size());
    for (int i = 0; i < pictures.size(); ++i) {
        const int size = WindowsIconSizes[static_cast<std::size_t>(i)];
        appendLittleEndian(ico, size == 256 ? 0 : static_cast<quint32>(size), 1); // 0 stands for 256
        appendLittleEndian(ico, size == 256 ? 0 : static_cast<quint32>(size), 1);
        appendLittleEndian(ico, 0, 1);  // no palette
        appendLittleEndian(ico, 0, 1);  // reserved
        appendLittleEndian(ico, 1, 2);  // colour planes
        appendLittleEndian(ico, 32, 2); // bits per pixel
        appendLittleEndian(ico, static_cast<quint32>(pictures[i].size()), 4);
        appendLittleEndian(ico, offset, 4);
        offset += static_cast<quint32>(pictures[i].size());
    }
    for (const QByteArray& png : pictures)
        ico += png;
    return ico;
}

void writeIconTheme(Writer& out)
{
    for (const int size : IconThemeSizes)
        out.png(QStringLiteral("icons/fallox-%1.png").arg(size), makeIconOfSize(size));
    out.text(QStringLiteral("icons/fallox.svg"), makeIconSvg());
    out.text(QStringLiteral("icons/fallox.ico"), makeWindowsIcon());
}

} // namespace art
