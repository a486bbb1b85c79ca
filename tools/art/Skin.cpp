#include "Skin.h"

#include "Painting.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <utility>

namespace art {

namespace {

// The menu buttons sit on the floor of the main window's menu panel and fill
// their corners with its colour.
constexpr QColor MenuFloor = PanelFill;

// Stands the face out with a steel gradient and a glossy upper half.
void paintReleasedFace(QPainter& p, const QRect& inner, const QColor& top, const QColor& bottom)
{
    fillVertical(p, inner, top, bottom);
    QLinearGradient gloss(inner.topLeft(), QPoint(inner.left(), inner.center().y()));
    gloss.setColorAt(0, QColor(255, 255, 255, 46));
    gloss.setColorAt(1, QColor(255, 255, 255, 8));
    p.fillRect(QRect(inner.topLeft(), QSize(inner.width(), inner.height() / 2)), gloss);
    drawRings(p, inner, {{lighter(top, 0.45), darker(bottom, 0.6)}});
}

// Sinks the face in and darkens it.
void paintPressedFace(QPainter& p, const QRect& inner, const QColor& top, const QColor& bottom)
{
    fillVertical(p, inner, darker(bottom, 0.35), darker(top, 0.25));
    drawRings(p, inner, {{darker(bottom, 0.8), lighter(top, 0.1)},
                         {darker(bottom, 0.55), darker(top, 0.1)}});
}

// Draws a pixel mask, '#' for a lit pixel, first as a shadow one pixel down
// and right, then in white, so that it stays sharp at the title buttons' size.
void drawGlyph(QImage& img, const char* const* rows, int height, QPoint at)
{
    QPainter p(&img);
    for (const auto& [offset, colour] : {std::pair{QPoint(1, 1), QColor(0, 0, 0, 200)},
                                         std::pair{QPoint(0, 0), QColor(244, 246, 252)}}) {
        for (int r = 0; r < height; ++r) {
            for (int c = 0; rows[r][c] != '\0'; ++c) {
                if (rows[r][c] == '#')
                    p.fillRect(QRect(at + offset + QPoint(c, r), QSize(1, 1)), colour);
            }
        }
    }
}

} // namespace

QImage makeMenuButton(Face face, int scale)
{
    const bool pressed = face == Face::Pressed;
    QImage img = canvas({12, 12}, scale);
    img.fill(MenuFloor);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QPointF centre = pressed ? QPointF(6.5, 6.5) : QPointF(5.5, 6.0);
    const double radius = pressed ? 4.9 : 5.2;

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0));
    p.drawEllipse(centre + QPointF(0.4, 0.5), radius + 0.2, radius + 0.2);

    QRadialGradient stone(centre + QPointF(-1.6, -1.8), radius * 1.5);
    if (pressed) {
        stone.setColorAt(0, QColor(235, 255, 255));
        stone.setColorAt(0.35, QColor(90, 230, 250));
        stone.setColorAt(1, QColor(10, 90, 130));
    } else {
        stone.setColorAt(0, QColor(200, 220, 240));
        stone.setColorAt(0.4, QColor(70, 110, 160));
        stone.setColorAt(1, QColor(14, 26, 50));
    }
    p.setBrush(stone);
    p.drawEllipse(centre, radius, radius);

    p.setBrush(QColor(255, 255, 255, pressed ? 150 : 190)); // specular glint
    p.drawEllipse(centre + QPointF(-1.8, -2.0), 1.3, 0.9);
    return img;
}

// Pressed, the lettering moves one pixel down and to the right with the face.
QImage makeSkinButton(QSize size, const QString& label, Face face, int scale, const QColor& top,
                      const QColor& bottom)
{
    QImage img = canvas(size, scale);
    img.fill(Ink);
    QPainter p(&img);
    const QRect whole(QPoint(0, 0), size);
    const QRect inner = whole.adjusted(1, 1, -1, -1);
    if (face == Face::Released)
        paintReleasedFace(p, inner, top, bottom);
    else
        paintPressedFace(p, inner, top, bottom);
    if (!label.isEmpty()) {
        p.setRenderHint(QPainter::Antialiasing, true);
        const QPointF shift = face == Face::Pressed ? QPointF(1, 1) : QPointF(0, 0);
        const QPainterPath text =
            centredText(label, sansFont(size.height() >= 20 ? 12 : 9), QRectF(whole).center() + shift);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 180));
        p.drawPath(text.translated(1, 1));
        p.setBrush(QColor(246, 250, 255));
        p.drawPath(text);
    }
    return img;
}

// The exit button is tinted red so that it is not hit by mistake.
QImage makeTitleButton(Glyph glyph, Face face, int scale)
{
    const bool close = glyph == Glyph::Close;
    const QSize size = close ? QSize(19, 12) : QSize(33, 12);
    const QColor top = close ? QColor(150, 54, 62) : QColor(84, 96, 126);
    const QColor bottom = close ? QColor(70, 18, 24) : QColor(30, 35, 49);
    QImage img = makeSkinButton(size, QString(), face, scale, top, bottom);

    static const char* const cross[] = {"##..##", ".####.", "..##..", "..##..", ".####.", "##..##"};
    static const char* const bar[] = {"#########", "#########"};
    const QPoint sink = face == Face::Pressed ? QPoint(1, 1) : QPoint(0, 0);
    if (close)
        drawGlyph(img, cross, 6, QPoint(6, 3) + sink);
    else
        drawGlyph(img, bar, 2, QPoint(12, 7) + sink);
    return img;
}

} // namespace art
