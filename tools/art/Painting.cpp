#include "Painting.h"

#include "Grain.h"

#include <QLinearGradient>
#include <QPainter>
#include <QStringList>

namespace art {

QImage canvas(QSize size, int scale, QImage::Format format)
{
    QImage img(size * scale, format);
    img.setDevicePixelRatio(scale);
    return img;
}

QImage enlargePixels(const QImage& art, int scale)
{
    QImage big = art.scaled(art.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    big.setDevicePixelRatio(scale);
    return big;
}

QColor mix(const QColor& a, const QColor& b, double t)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t),
                            float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

QColor lighter(const QColor& c, double t) { return mix(c, QColor(255, 255, 255), t); }
QColor darker(const QColor& c, double t) { return mix(c, QColor(0, 0, 0), t); }

QColor withAlpha(QColor c, int alpha)
{
    c.setAlpha(alpha);
    return c;
}

namespace {

// Picks the first installed family of the list; Qt falls back to the system's
// default family of the same kind when none of them is there.
QFont makeFont(const QStringList& families, int pixelSize, QFont::Weight weight,
               bool italic = false, QFont::StyleHint hint = QFont::SansSerif)
{
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(hint, QFont::PreferAntialias);
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    font.setItalic(italic);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

} // namespace

QFont sansFont(int px, QFont::Weight weight)
{
    return makeFont({"DejaVu Sans", "Nimbus Sans", "Liberation Sans"}, px, weight);
}

QFont titleFont(int px)
{
    return makeFont({"DejaVu Serif", "Nimbus Roman", "C059"}, px, QFont::Bold, true,
                    QFont::Serif);
}

QFont scriptFont(int px)
{
    return makeFont({"Z003", "URW Chancery L", "DejaVu Serif"}, px, QFont::Medium, true,
                    QFont::Cursive);
}

QPainterPath centredText(const QString& text, const QFont& font, QPointF centre)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF box = path.boundingRect();
    return path.translated(centre - box.center());
}

void drawCaption(QPainter& p, const QPainterPath& text, QPointF shadow, const QColor& highlight,
                 double top, double bottom)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 170));
    p.drawPath(text.translated(shadow));
    QLinearGradient ink(0, top, 0, bottom);
    ink.setColorAt(0, highlight);
    ink.setColorAt(1, Accent);
    p.setBrush(ink);
    p.drawPath(text);
}

void drawRings(QPainter& p, QRect r, const std::vector<Ring>& rings)
{
    for (const Ring& ring : rings) {
        p.fillRect(r.left(), r.top(), r.width(), 1, ring.upperLeft);
        p.fillRect(r.left(), r.top(), 1, r.height(), ring.upperLeft);
        p.fillRect(r.left(), r.bottom(), r.width(), 1, ring.lowerRight);
        p.fillRect(r.right(), r.top(), 1, r.height(), ring.lowerRight);
        r.adjust(1, 1, -1, -1);
    }
}

void fillVertical(QPainter& p, const QRectF& r, const QColor& top, const QColor& bottom)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(r, g);
}

void recessedPanel(QPainter& p, const QRect& r, const QColor& fill)
{
    drawRings(p, r, {{QColor(4, 5, 8), QColor(78, 88, 112)}, {QColor(9, 11, 16), QColor(34, 39, 52)}});
    p.fillRect(r.adjusted(2, 2, -2, -2), fill);
}

void raisedPlate(QPainter& p, const QRect& r, const QColor& top, const QColor& bottom)
{
    p.fillRect(r, Ink);
    const QRect face = r.adjusted(1, 1, -1, -1);
    fillVertical(p, face, top, bottom);
    drawRings(p, face, {{lighter(top, 0.35), darker(bottom, 0.45)}});
}

void skinSurface(QPainter& p, const QRect& frame, std::uint32_t seed)
{
    fillVertical(p, frame, SkinTop, SkinBottom);

    QLinearGradient sheen(frame.topLeft(), frame.topLeft() + QPoint(frame.width() / 2, frame.height() / 2));
    sheen.setColorAt(0, QColor(255, 255, 255, 22));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(frame, sheen);

    Grain grain(seed);
    for (int y = frame.top(); y <= frame.bottom(); ++y) {
        const int strokes = 3;
        for (int s = 0; s < strokes; ++s) {
            const int x = frame.left() + grain.below(frame.width());
            const int len = 8 + grain.below(40);
            const bool light = grain.below(2) == 0;
            p.fillRect(x, y, len, 1, light ? QColor(255, 255, 255, 6) : QColor(0, 0, 0, 14));
        }
    }

    drawRings(p, frame, {{Ink, Ink}, {FrameLight, FrameShadow}, {FrameMid, FrameShadowMid}});
    // A fine groove a few pixels inside the edge makes the frame read as a rim.
    drawRings(p, frame.adjusted(5, 5, -5, -5), {{QColor(10, 12, 17), QColor(70, 80, 104)}});
}

} // namespace art
