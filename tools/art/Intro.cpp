#include "Intro.h"

#include "Grain.h"
#include "Painting.h"

#include <QLinearGradient>
#include <QPainter>

#include <algorithm>

namespace art {

namespace {

// Falling pieces leave a short fading streak above their top blocks.
void drawTrail(QPainter& p, QPoint blockTopLeft, const QColor& c, int length)
{
    QLinearGradient g(0, blockTopLeft.y() - length, 0, blockTopLeft.y());
    g.setColorAt(0, withAlpha(c, 0));
    g.setColorAt(1, withAlpha(c, 90));
    p.fillRect(QRect(blockTopLeft.x() + 3, blockTopLeft.y() - length, 10, length), g);
}

void drawFallingPiece(QPainter& p, const TileSet& tiles, int type, QPoint cell)
{
    const QPoint origin = cell * 16;
    const QColor streak = type == 1 ? TileColour[4] : TileColour[type];
    const Shape shape = ArrivalShape(type);
    for (const QPoint& c : shape) {
        const QPoint above = c - QPoint(0, 1);
        const bool topOfColumn = std::find(shape.begin(), shape.end(), above) == shape.end();
        if (topOfColumn)
            drawTrail(p, origin + c * 16, streak, 26);
    }
    drawPiece(p, tiles, type, origin);
}

void paintIntroBackdrop(QPainter& p)
{
    QLinearGradient sky(0, 0, 0, 288);
    sky.setColorAt(0, QColor(8, 14, 40));
    sky.setColorAt(0.55, QColor(20, 22, 58));
    sky.setColorAt(1, QColor(34, 14, 48));
    p.fillRect(QRect(0, 0, 160, 288), sky);
    for (int x = 16; x < 160; x += 16) // the well's columns, barely there
        p.fillRect(x, 0, 1, 288, QColor(255, 255, 255, 9));
    for (int y = 16; y < 288; y += 16)
        p.fillRect(0, y, 160, 1, QColor(255, 255, 255, 9));

    Grain grain(0xfa11);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 26; ++i) { // a sprinkling of faint stars
        const QPointF at(grain.below(1600) / 10.0, grain.below(2000) / 10.0);
        p.setBrush(QColor(200, 220, 255, 40 + grain.below(90)));
        p.drawEllipse(at, 0.7, 0.7);
    }
}

void paintIntroTitle(QPainter& p)
{
    const QPainterPath name = centredText(QStringLiteral("Fallox"), titleFont(38), QPointF(80, 118));
    p.setBrush(Qt::NoBrush);
    p.strokePath(name, QPen(withAlpha(Accent, 30), 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.strokePath(name, QPen(withAlpha(Accent, 60), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 170));
    p.drawPath(name.translated(2, 3));
    p.strokePath(name, QPen(QColor(12, 10, 30), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));

    const QRectF box = name.boundingRect();
    QLinearGradient gold(0, box.top(), 0, box.bottom());
    gold.setColorAt(0, QColor(255, 252, 214));
    gold.setColorAt(0.45, QColor(255, 214, 90));
    gold.setColorAt(0.55, QColor(240, 150, 36));
    gold.setColorAt(1, QColor(200, 70, 30));
    p.setPen(Qt::NoPen);
    p.setBrush(gold);
    p.drawPath(name);

    // Underline in the six tile colours.
    const double left = box.left() + 4, width = box.width() - 8;
    for (int i = 0; i < 6; ++i) {
        const QRectF seg(left + width * i / 6.0, box.bottom() + 7, width / 6.0 - 1, 3);
        p.fillRect(seg, TileColour[2 + i]);
    }
}

void paintIntroHint(QPainter& p)
{
    const QString hint = QString::fromUtf8("\u00bbNeues spiel\u00ab dr\u00fccken");
    const QPainterPath text = centredText(hint, sansFont(10, QFont::DemiBold), QPointF(80, 214));
    const QRectF pill = text.boundingRect().adjusted(-8, -5, 8, 5);
    p.setPen(QPen(withAlpha(Accent, 110), 1));
    p.setBrush(QColor(0, 0, 0, 140));
    p.drawRoundedRect(pill, pill.height() / 2, pill.height() / 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 200));
    p.drawPath(text.translated(1, 1));
    p.setBrush(QColor(200, 246, 255));
    p.drawPath(text);
}

// Settled blocks at the bottom of the well, one gap short of a full row.
void paintIntroStack(QPainter& p, const TileSet& tiles)
{
    static const char* const rows[] = {
        "......7...",
        "3....77.52",
        "33.4466552",
        "31444.6222",
    };
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 10; ++c) {
            const char ch = rows[r][c];
            if (ch != '.')
                p.drawImage(c * 16, (14 + r) * 16, tiles[ch - '0']);
        }
    }
}

} // namespace

QImage makeIntro(const TileSet& tiles)
{
    QImage img = canvas({160, 288}, int(tiles[0].devicePixelRatio()));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    paintIntroBackdrop(p);
    drawFallingPiece(p, tiles, 6, QPoint(7, 2));  // T, top right
    drawFallingPiece(p, tiles, 2, QPoint(2, 2));  // J, top left
    drawFallingPiece(p, tiles, 5, QPoint(5, 11)); // S, under the title
    paintIntroStack(p, tiles);
    paintIntroTitle(p);
    paintIntroHint(p);
    return img;
}

} // namespace art
