#include "Emblems.h"

#include "Painting.h"

#include <QLinearGradient>
#include <QPainter>
#include <QTransform>

#include <algorithm>

namespace art {

namespace {

// A digit is the tile type of a block, a dot an empty cell.
const char* const IconRows[4] = {"..6.", ".666", "4773", "2773"};

} // namespace

void forEachIconStone(const std::function<void(int row, int column, const QColor& colour)>& stone)
{
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            if (IconRows[r][c] != '.')
                stone(r, c, TileColour[IconRows[r][c] - '0']);
        }
    }
}

namespace {

// A block of the small icon: black outline, flat face, one-step bevel.
void drawPixelBlock(QPainter& p, const QRect& b, const QColor& base)
{
    p.fillRect(b, Ink);
    p.fillRect(b.adjusted(1, 1, -1, -1), base);
    drawRings(p, b.adjusted(1, 1, -1, -1), {{lighter(base, 0.55), darker(base, 0.5)}});
}

// A block of the large icon: a rounded shaded stone with a glossy raised top.
void drawRoundBlock(QPainter& p, const QRectF& b, double cell, const QColor& base)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    const double round = cell * 0.14;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 230));
    p.drawRoundedRect(b, round, round);
    const QRectF face = b.adjusted(cell * 0.04, cell * 0.04, -cell * 0.04, -cell * 0.04);
    QLinearGradient g(face.topLeft(), face.bottomRight());
    g.setColorAt(0, lighter(base, 0.5));
    g.setColorAt(0.45, base);
    g.setColorAt(1, darker(base, 0.45));
    p.setBrush(g);
    p.drawRoundedRect(face, round * 0.8, round * 0.8);
    const QRectF top = face.adjusted(cell * 0.16, cell * 0.16, -cell * 0.16, -cell * 0.16);
    p.setBrush(base);
    p.drawRoundedRect(top, round * 0.5, round * 0.5);
    QLinearGradient gloss(top.topLeft(), top.center());
    gloss.setColorAt(0, QColor(255, 255, 255, 90));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(gloss);
    p.drawRoundedRect(top, round * 0.5, round * 0.5);
}

} // namespace

QImage makeHighScoreTitle(int scale)
{
    QImage img = canvas({141, 42}, scale, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath text = centredText(QStringLiteral("High Score"), scriptFont(34), QPointF(70.5, 21));
    const QRectF box = text.boundingRect();
    const double fit = std::min(133.0 / box.width(), 36.0 / box.height());
    if (fit < 1.0) { // keep the words inside the picture whatever font was found
        QTransform t;
        t.translate(70.5, 21);
        t.scale(fit, fit);
        t.translate(-70.5, -21);
        text = t.map(text);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 150));
    p.drawPath(text.translated(2, 2));
    p.strokePath(text, QPen(QColor(10, 14, 30, 200), 1.6));
    const QRectF fitted = text.boundingRect();
    QLinearGradient shade(0, fitted.top(), 0, fitted.bottom());
    shade.setColorAt(0, QColor(255, 255, 255));
    shade.setColorAt(0.55, QColor(236, 242, 252));
    shade.setColorAt(1, QColor(168, 184, 212));
    p.setBrush(shade);
    p.drawPath(text);
    p.end();
    return img.convertToFormat(QImage::Format_ARGB32);
}

QImage makeIcon(int size, int scale)
{
    QImage img = canvas({size, size}, scale, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    const double cell = size / 4.0;
    forEachIconStone([&](int r, int c, const QColor& base) {
        if (size <= 32)
            drawPixelBlock(p, QRect(int(c * cell), int(r * cell), int(cell), int(cell)), base);
        else
            drawRoundBlock(p, QRectF(c * cell + cell * 0.04, r * cell + cell * 0.04, cell * 0.92, cell * 0.92), cell,
                           base);
    });
    p.end();
    return img.convertToFormat(QImage::Format_ARGB32);
}

} // namespace art
