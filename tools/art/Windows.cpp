#include "Windows.h"

#include "Painting.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace art {

namespace {

// The well sits in a raised bezel with a sunken throat; the well's own
// two-pixel border is drawn here too, so the picture box needs none.
void paintWellSurround(QPainter& p)
{
    const QRect bezel(9, 8, 178, 306);
    raisedPlate(p, bezel, QColor(58, 66, 88), QColor(26, 30, 41));
    drawRings(p, QRect(13, 12, 170, 298), {{QColor(6, 7, 10), QColor(96, 108, 136)}});
    p.fillRect(14, 13, 168, 296, QColor(8, 10, 14));
    drawRings(p, QRect(16, 15, 164, 292),
              {{QColor(30, 34, 46), QColor(150, 162, 190)}, {Ink, QColor(92, 102, 128)}});
    p.fillRect(18, 17, 160, 288, TileColour[0]);
}

// The strip at the top of the control column: the game's name on a small
// plate, and a tray in which the minimise and exit buttons sit.
void paintTitleStrip(QPainter& p)
{
    const QRect plate(190, 5, 78, 18);
    raisedPlate(p, plate, QColor(62, 72, 98), QColor(28, 33, 46));
    for (int i = 0; i < 3; ++i) // three tiny stones as a mark
        p.fillRect(195 + i * 5, 11 + (i % 2) * 2, 4, 4, TileColour[2 + i * 2]);

    QPainterPath name;
    name.addText(212, 19, sansFont(12), QStringLiteral("Fallox"));
    drawCaption(p, name, QPointF(1, 1), QColor(226, 250, 255), 8, 20);

    recessedPanel(p, QRect(269, 5, 58, 18), PanelFill);
}

// Each menu button sits in a round socket on an even floor; the button
// pictures fill their corners with that floor's colour. The socket's rim stays
// clear of the 12 x 12 pressed picture, so swapping pictures never clips it.
void paintMenuPanel(QPainter& p)
{
    recessedPanel(p, QRect(197, 26, 130, 74), PanelFill);
    for (int i = 0; i < 4; ++i) {
        const QRectF socket(214 - 9, 32 + 16 * i + 6 - 9, 18, 18);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(2, 3, 5), 1.2));
        p.drawArc(socket, 30 * 16, 210 * 16);
        p.setPen(QPen(QColor(62, 70, 92), 1.0));
        p.drawArc(socket, 240 * 16, 150 * 16);
        if (i < 3) // hairline between the rows
            p.fillRect(228, 46 + 16 * i, 94, 1, QColor(255, 255, 255, 10));
    }
}

void paintPreviewBox(QPainter& p)
{
    recessedPanel(p, QRect(204, 126, 108, 74), PreviewFill);
}

void paintCounterPanel(QPainter& p)
{
    recessedPanel(p, QRect(186, 216, 140, 84), PanelFill);
    for (int i = 0; i < 3; ++i) {
        const QRect slot(238, 222 + 24 * i, 82, 22);
        drawRings(p, slot, {{QColor(2, 3, 5), QColor(44, 50, 66)}});
        fillVertical(p, slot.adjusted(1, 1, -1, -1), QColor(5, 6, 10), QColor(14, 17, 25));
    }
}

// A row of small stones under the counters, as a signature: a white one for
// the ring tile, then the six tile colours.
void paintColourRow(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    for (int i = 0; i < 7; ++i) {
        const QColor c = i == 0 ? QColor(230, 230, 230) : TileColour[1 + i];
        const QPointF centre(240 + 12 * i, 312);
        QRadialGradient g(centre + QPointF(-1.2, -1.2), 4.2);
        g.setColorAt(0, lighter(c, 0.6));
        g.setColorAt(0.5, c);
        g.setColorAt(1, darker(c, 0.55));
        p.setPen(QPen(QColor(0, 0, 0, 200), 0.8));
        p.setBrush(g);
        p.drawEllipse(centre, 3.3, 3.3);
    }
}

// A groove into which a push button of the skin is set.
void buttonGroove(QPainter& p, const QRect& r)
{
    drawRings(p, r, {{QColor(6, 7, 10), QColor(70, 80, 104)}});
}

} // namespace

QImage makeMainBackground(int scale)
{
    QImage img = canvas({335, 329}, scale);
    img.fill(FrameShadow);
    QPainter p(&img);
    // The window shows 336 x 328 pixels, so the frame closes one row above the
    // picture's bottom edge.
    skinSurface(p, QRect(0, 0, 335, 328), 0x5eed01);
    paintWellSurround(p);
    paintTitleStrip(p);
    p.setRenderHint(QPainter::Antialiasing, true);
    paintMenuPanel(p);
    paintPreviewBox(p);
    paintCounterPanel(p);
    paintColourRow(p);
    return img;
}

// The window shows the picture's upper 217 rows; the last two rows of the
// bitmap continue the frame's shade.
QImage makeHighScoreBackground(int scale)
{
    QImage img = canvas({334, 219}, scale);
    img.fill(FrameShadow);
    QPainter p(&img);
    skinSurface(p, QRect(0, 0, 334, 217), 0x5eed02);
    p.setRenderHint(QPainter::Antialiasing, true);

    // A soft light band behind the script title.
    QRadialGradient band(QPointF(174, 28), 110);
    band.setColorAt(0, QColor(110, 170, 220, 46));
    band.setColorAt(1, QColor(110, 170, 220, 0));
    p.fillRect(QRect(6, 6, 322, 40), band);

    recessedPanel(p, QRect(20, 76, 40, 40), PanelFill); // socket for the icon at 24, 80
    recessedPanel(p, QRect(72, 44, 252, 121), PanelFill);
    for (int row = 0; row < 5; ++row) {
        if (row % 2 == 1)
            p.fillRect(74, 46 + 24 * row, 248, 24, QColor(255, 255, 255, 9));
    }
    buttonGroove(p, QRect(118, 166, 99, 27)); // OK
    return img;
}

// A title plate reading "Optionen", a panel for the four settings with
// sockets for their inputs, grooves for the two buttons and a hairline above
// the link.
QImage makeOptionsBackground(int scale)
{
    QImage img = canvas({170, 328}, scale);
    img.fill(FrameShadow);
    QPainter p(&img);
    skinSurface(p, QRect(0, 0, 170, 328), 0x5eed03);
    p.setRenderHint(QPainter::Antialiasing, true);

    raisedPlate(p, QRect(14, 12, 142, 32), QColor(62, 72, 98), QColor(26, 31, 43));
    const QPainterPath title = centredText(QStringLiteral("Optionen"), titleFont(20), QPointF(85, 28));
    drawCaption(p, title, QPointF(1.5, 1.5), QColor(236, 252, 255), 18, 38);

    recessedPanel(p, QRect(14, 54, 142, 138), PanelFill);
    for (int i = 0; i < 3; ++i)
        p.fillRect(22, 94 + 32 * i, 126, 1, QColor(255, 255, 255, 10));
    drawRings(p, QRect(126, 62, 29, 23), {{QColor(2, 3, 5), QColor(60, 68, 88)}});
    for (const int y : {104, 136, 168})
        drawRings(p, QRect(126, y - 2, 18, 18), {{QColor(2, 3, 5), QColor(60, 68, 88)}});

    buttonGroove(p, QRect(46, 198, 99, 27));
    buttonGroove(p, QRect(46, 238, 99, 27));

    QLinearGradient rule(20, 0, 150, 0);
    rule.setColorAt(0, withAlpha(Accent, 0));
    rule.setColorAt(0.5, withAlpha(Accent, 120));
    rule.setColorAt(1, withAlpha(Accent, 0));
    p.fillRect(20, 273, 130, 1, rule);
    return img;
}

} // namespace art
