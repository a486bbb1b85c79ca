// gen_art: paints every picture of Fallox and writes it below the folder given
// on the command line (normally resources/).
//
//   gen_art <resource folder>
//
// The pictures are committed; run this again only after changing the artwork.
// Everything is drawn from code with fixed values, so two runs on the same
// machine write identical files. Light always falls from the top left: raised
// parts are light on their upper and left edges, recessed parts on their lower
// and right edges.

#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

namespace {

// ---------------------------------------------------------------------------
// Palette

// The face colours of the tiles, indexed by piece type. Type 1 has no single
// colour (its tile shows rings of all the others); the entry is its centre.
const std::array<QColor, 8> TileColour = {
    QColor(192, 192, 192), QColor(170, 43, 213), QColor(213, 43, 43),  QColor(213, 128, 43),
    QColor(213, 213, 43),  QColor(43, 213, 43),  QColor(43, 43, 213),  QColor(170, 43, 213),
};

const QColor SkinTop(40, 46, 62);          // upper end of the window gradient
const QColor SkinBottom(17, 20, 28);       // lower end of the window gradient
const QColor FrameLight(128, 140, 170);    // lit outer edge of a window frame
const QColor FrameMid(72, 82, 106);        // second ring of the lit edge
const QColor FrameShadow(8, 10, 14);       // shaded outer edge of a window frame
const QColor FrameShadowMid(24, 28, 38);   // second ring of the shaded edge
const QColor PanelFill(13, 16, 23);        // floor of a recessed panel
const QColor PreviewFill(10, 12, 19);      // floor of the next-piece box and its pictures
const QColor Accent(70, 206, 232);         // the cyan of the captions, used for thin accents
const QColor Ink(0, 0, 0);

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

// ---------------------------------------------------------------------------
// Fonts

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

QFont sansFont(int px, QFont::Weight weight = QFont::Bold)
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

// A text as an outline whose bounding box is centred on the given point, so
// that titles sit where they are meant to regardless of the font's metrics.
QPainterPath centredText(const QString& text, const QFont& font, QPointF centre)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF box = path.boundingRect();
    return path.translated(centre - box.center());
}

// ---------------------------------------------------------------------------
// Bevels and panels

struct Ring {
    QColor upperLeft;
    QColor lowerRight;
};

// Draws pixel-exact rings from the outside of the rectangle inwards. The lower
// and right edges are drawn last, so the two odd corners take their colour.
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

// A floor sunk into the skin: dark on the upper and left walls, a faint lit rim
// below and to the right, and an even fill that text can be read on.
void recessedPanel(QPainter& p, const QRect& r, const QColor& fill)
{
    drawRings(p, r, {{QColor(4, 5, 8), QColor(78, 88, 112)}, {QColor(9, 11, 16), QColor(34, 39, 52)}});
    p.fillRect(r.adjusted(2, 2, -2, -2), fill);
}

// A plate standing out of the skin, with a soft vertical sheen.
void raisedPlate(QPainter& p, const QRect& r, const QColor& top, const QColor& bottom)
{
    p.fillRect(r, Ink);
    const QRect face = r.adjusted(1, 1, -1, -1);
    fillVertical(p, face, top, bottom);
    drawRings(p, face, {{lighter(top, 0.35), darker(bottom, 0.45)}});
}

// Deterministic pseudo-random numbers for texture, so every run paints the
// same grain.
class Grain {
public:
    explicit Grain(std::uint32_t seed) : m_state(seed) {}
    std::uint32_t next()
    {
        m_state = m_state * 1664525u + 1013904223u;
        return m_state >> 8;
    }
    int below(int n) { return int(next() % std::uint32_t(n)); }

private:
    std::uint32_t m_state;
};

// The dark brushed-metal surface shared by every skinned window: a vertical
// gradient, a sheen from the upper left, faint horizontal brushing and a
// bevelled frame. frame is the part of the picture that the window shows.
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

// ---------------------------------------------------------------------------
// Tiles

// The figures of tiles 2..7 as pixel masks, one string per row, placed with
// their top-left corner at (5, 5). At this size hand-placed pixels read better
// than smoothed outlines.
const std::array<std::array<const char*, 6>, 8> FigureMask = {{
    {},
    {},
    {{"..##..", ".####.", "######", "######", ".####.", "..##.."}}, // diamond
    {{".####.", "######", "######", "######", "######", ".####."}}, // disc
    {{"..##..", "..##..", "######", ".####.", ".#..#.", "##..##"}}, // star
    {{"..##..", "..##..", "######", "######", "..##..", "..##.."}}, // plus
    {{"......", ".####.", ".####.", ".####.", ".####.", "......"}}, // stud
    {{"..##..", "..##..", ".####.", ".####.", "######", "######"}}, // pyramid
}};

bool inFigure(int type, int x, int y)
{
    const int col = x - 5, row = y - 5;
    if (col < 0 || col > 5 || row < 0 || row > 5)
        return false;
    return FigureMask[type][row][col] == '#';
}

// Raises the figure out of the face: pixels just above and left of it catch
// the light, pixels just below and right of it lie in its shade, and the figure
// itself keeps the face colour. The figure spans 5..10, so its rims stay within
// 4..11 and never reach pixel (4, 11).
void embossFigure(QImage& img, int type, const QColor& base)
{
    const QColor rimLight[] = {lighter(base, 0.30), lighter(base, 0.60)};
    const QColor rimDark[] = {darker(base, 0.30), darker(base, 0.55)};
    for (int y = 3; y <= 12; ++y) {
        for (int x = 3; x <= 12; ++x) {
            if (inFigure(type, x, y))
                continue;
            const int lit = int(inFigure(type, x + 1, y)) + int(inFigure(type, x, y + 1))
                            + int(inFigure(type, x + 1, y + 1));
            const int shaded = int(inFigure(type, x - 1, y)) + int(inFigure(type, x, y - 1))
                               + int(inFigure(type, x - 1, y - 1));
            const int score = lit - shaded;
            if (score > 0)
                img.setPixelColor(x, y, rimLight[score > 1 ? 1 : 0]);
            else if (score < 0)
                img.setPixelColor(x, y, rimDark[score < -1 ? 1 : 0]);
            else if (lit > 0) // an edge facing across the light: a faint outline
                img.setPixelColor(x, y, darker(base, 0.15));
        }
    }
}

// Tile 1: concentric square rings in the colours of the other six tiles, red
// outside to violet in the centre, each ring bevelled like a step.
void paintRingTile(QPainter& p)
{
    for (int k = 0; k < 6; ++k) {
        const QColor c = TileColour[2 + k];
        const QRect ring(1 + k, 1 + k, 14 - 2 * k, 14 - 2 * k);
        p.fillRect(ring, c);
        if (k < 5)
            drawRings(p, ring, {{lighter(c, 0.45), darker(c, 0.40)}});
    }
    p.fillRect(7, 7, 1, 1, lighter(TileColour[7], 0.45)); // a glint on the centre stone
}

// A 16 x 16 tile. Tile 0 is the empty cell; tiles 2..7 have a one-pixel black
// frame, a two-step bevel and their raised figure in the middle. The face
// (3..12) keeps the pure tile colour wherever the figure's rims are not.
// Guaranteed to be exactly the tile's colour in tiles 2..7: pixel (4, 11) and
// the four centre pixels (7..8, 7..8); makeTiles checks them.
QImage makeTile(int type)
{
    QImage img(16, 16, QImage::Format_RGB32);
    if (type == 0) {
        img.fill(TileColour[0]);
        return img;
    }
    img.fill(Ink);
    QPainter p(&img);
    if (type == 1) {
        paintRingTile(p);
        return img;
    }
    const QColor base = TileColour[type];
    p.fillRect(1, 1, 14, 14, base);
    drawRings(p, QRect(1, 1, 14, 14), {{lighter(base, 0.55), darker(base, 0.50)},
                                       {lighter(base, 0.25), darker(base, 0.25)}});
    p.end();
    embossFigure(img, type, base);
    return img;
}

std::array<QImage, 8> makeTiles()
{
    std::array<QImage, 8> tiles;
    for (int t = 0; t < 8; ++t)
        tiles[t] = makeTile(t);
    for (int t = 2; t < 8; ++t) {
        for (const QPoint at : {QPoint(4, 11), QPoint(7, 7), QPoint(8, 7), QPoint(7, 8), QPoint(8, 8)}) {
            if (tiles[t].pixelColor(at) != TileColour[t]) {
                std::fprintf(stderr, "gen_art: tile %d lost its face colour at (%d, %d)\n", t, at.x(), at.y());
                std::exit(1);
            }
        }
    }
    return tiles;
}

// ---------------------------------------------------------------------------
// Pieces

using Shape = std::array<QPoint, 4>;

// The arrival shape of each piece type: (column offset, row offset) from the
// reference cell, rows growing downwards.
const std::array<Shape, 8> ArrivalShape = {{
    {},
    {{{-1, 0}, {0, 0}, {1, 0}, {2, 0}}},
    {{{-1, -1}, {-1, 0}, {0, 0}, {1, 0}}},
    {{{1, -1}, {-1, 0}, {0, 0}, {1, 0}}},
    {{{-1, -1}, {0, -1}, {0, 0}, {1, 0}}},
    {{{0, -1}, {1, -1}, {-1, 0}, {0, 0}}},
    {{{0, -1}, {-1, 0}, {0, 0}, {1, 0}}},
    {{{0, -1}, {1, -1}, {0, 0}, {1, 0}}},
}};

QRect cellBounds(const Shape& shape)
{
    QRect box(shape[0], shape[0]);
    for (const QPoint& c : shape)
        box = box.united(QRect(c, c));
    return box;
}

void drawPiece(QPainter& p, const std::array<QImage, 8>& tiles, int type, QPoint origin)
{
    for (const QPoint& c : ArrivalShape[type])
        p.drawImage(origin + c * 16, tiles[type]);
}

// The preview of a piece: its arrival shape centred on the floor of the
// next-piece box, with a faint halo that fades out well before the edges.
QImage makePreview(const std::array<QImage, 8>& tiles, int type)
{
    QImage img(96, 64, QImage::Format_RGB32);
    img.fill(PreviewFill);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    QRadialGradient halo(QPointF(48, 32), 30);
    halo.setColorAt(0, QColor(60, 80, 120, 70));
    halo.setColorAt(1, QColor(60, 80, 120, 0));
    p.fillRect(img.rect(), halo);

    const QRect box = cellBounds(ArrivalShape[type]);
    const QPoint topLeft((96 - box.width() * 16) / 2, (64 - box.height() * 16) / 2);
    const QPoint origin = topLeft - box.topLeft() * 16;
    for (const QPoint& c : ArrivalShape[type]) // soft shadow below and right of each block
        p.fillRect(QRect(origin + c * 16 + QPoint(2, 2), QSize(16, 16)), QColor(0, 0, 0, 90));
    drawPiece(p, tiles, type, origin);
    return img;
}

// ---------------------------------------------------------------------------
// Main window

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
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 170));
    p.drawPath(name.translated(1, 1));
    QLinearGradient ink(0, 8, 0, 20);
    ink.setColorAt(0, QColor(226, 250, 255));
    ink.setColorAt(1, Accent);
    p.setBrush(ink);
    p.drawPath(name);

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

QImage makeMainBackground()
{
    QImage img(335, 329, QImage::Format_RGB32);
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

// ---------------------------------------------------------------------------
// Buttons

enum class Face { Released, Pressed };

const QColor MenuFloor = PanelFill;

// A round gem. Released, it is a cool steel-blue stone; pressed, it sits one
// pixel deeper and glows, which is also how the pause button shows a held game.
QImage makeMenuButton(Face face)
{
    const bool pressed = face == Face::Pressed;
    const int w = pressed ? 12 : 11;
    QImage img(w, 12, QImage::Format_RGB32);
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

// ---------------------------------------------------------------------------
// Skin bitmaps (24-bit BMP)

// A rectangular push button. Released it stands out with a steel gradient and
// a glossy upper half; pressed it is sunk in and darker, and its lettering, if
// any, moves one pixel down and to the right.
QImage makeSkinButton(QSize size, const QString& label, Face face,
                      const QColor& top = QColor(84, 96, 126),
                      const QColor& bottom = QColor(30, 35, 49))
{
    QImage img(size, QImage::Format_RGB32);
    img.fill(Ink);
    QPainter p(&img);
    const QRect inner = img.rect().adjusted(1, 1, -1, -1);
    if (face == Face::Released) {
        fillVertical(p, inner, top, bottom);
        QLinearGradient gloss(inner.topLeft(), QPoint(inner.left(), inner.center().y()));
        gloss.setColorAt(0, QColor(255, 255, 255, 46));
        gloss.setColorAt(1, QColor(255, 255, 255, 8));
        p.fillRect(QRect(inner.topLeft(), QSize(inner.width(), inner.height() / 2)), gloss);
        drawRings(p, inner, {{lighter(top, 0.45), darker(bottom, 0.6)}});
    } else {
        fillVertical(p, inner, darker(bottom, 0.35), darker(top, 0.25));
        drawRings(p, inner, {{darker(bottom, 0.8), lighter(top, 0.1)},
                             {darker(bottom, 0.55), darker(top, 0.1)}});
    }
    if (!label.isEmpty()) {
        p.setRenderHint(QPainter::Antialiasing, true);
        const QPointF shift = face == Face::Pressed ? QPointF(1, 1) : QPointF(0, 0);
        const QPainterPath text =
            centredText(label, sansFont(size.height() >= 20 ? 12 : 9), QRectF(img.rect()).center() + shift);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 180));
        p.drawPath(text.translated(1, 1));
        p.setBrush(QColor(246, 250, 255));
        p.drawPath(text);
    }
    return img;
}

enum class Glyph { Minimise, Close };

// The small buttons in the main window's title tray. The exit button is
// tinted red so that it is not hit by mistake.
QImage makeTitleButton(Glyph glyph, Face face)
{
    const bool close = glyph == Glyph::Close;
    const QSize size = close ? QSize(19, 12) : QSize(33, 12);
    const QColor top = close ? QColor(150, 54, 62) : QColor(84, 96, 126);
    const QColor bottom = close ? QColor(70, 18, 24) : QColor(30, 35, 49);
    QImage img = makeSkinButton(size, QString(), face, top, bottom);

    // The glyphs are placed pixel by pixel so that they stay sharp at this size.
    static const char* const cross[] = {"##..##", ".####.", "..##..", "..##..", ".####.", "##..##"};
    static const char* const bar[] = {"#########", "#########"};
    const char* const* rows = close ? cross : bar;
    const int height = close ? 6 : 2;
    const QPoint sink = face == Face::Pressed ? QPoint(1, 1) : QPoint(0, 0);
    const QPoint at = (close ? QPoint(6, 3) : QPoint(12, 7)) + sink;
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
    return img;
}

// The high-score window's picture. The window shows its upper 217 rows; the
// last two rows of the bitmap continue the frame's shade.
QImage makeHighScoreBackground()
{
    QImage img(334, 219, QImage::Format_RGB32);
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
    // A groove around the OK button.
    drawRings(p, QRect(118, 166, 99, 27), {{QColor(6, 7, 10), QColor(70, 80, 104)}});
    return img;
}

// The options dialog's picture: a title plate reading "Optionen", a panel for
// the four settings with sockets for their inputs, grooves for the two
// buttons and a hairline above the link.
QImage makeOptionsBackground()
{
    QImage img(170, 328, QImage::Format_RGB32);
    img.fill(FrameShadow);
    QPainter p(&img);
    skinSurface(p, img.rect(), 0x5eed03);
    p.setRenderHint(QPainter::Antialiasing, true);

    raisedPlate(p, QRect(14, 12, 142, 32), QColor(62, 72, 98), QColor(26, 31, 43));
    const QPainterPath title = centredText(QStringLiteral("Optionen"), titleFont(20), QPointF(85, 28));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 170));
    p.drawPath(title.translated(1.5, 1.5));
    QLinearGradient ink(0, 18, 0, 38);
    ink.setColorAt(0, QColor(236, 252, 255));
    ink.setColorAt(1, Accent);
    p.setBrush(ink);
    p.drawPath(title);

    recessedPanel(p, QRect(14, 54, 142, 138), PanelFill);
    for (int i = 0; i < 3; ++i)
        p.fillRect(22, 94 + 32 * i, 126, 1, QColor(255, 255, 255, 10));
    drawRings(p, QRect(126, 62, 29, 23), {{QColor(2, 3, 5), QColor(60, 68, 88)}});
    for (const int y : {104, 136, 168})
        drawRings(p, QRect(126, y - 2, 18, 18), {{QColor(2, 3, 5), QColor(60, 68, 88)}});

    drawRings(p, QRect(46, 198, 99, 27), {{QColor(6, 7, 10), QColor(70, 80, 104)}});
    drawRings(p, QRect(46, 238, 99, 26), {{QColor(6, 7, 10), QColor(70, 80, 104)}});

    QLinearGradient rule(20, 0, 150, 0);
    rule.setColorAt(0, withAlpha(Accent, 0));
    rule.setColorAt(0.5, withAlpha(Accent, 120));
    rule.setColorAt(1, withAlpha(Accent, 0));
    p.fillRect(20, 273, 130, 1, rule);
    return img;
}

// ---------------------------------------------------------------------------
// Intro picture

// Falling pieces leave a short fading streak above their top blocks.
void drawTrail(QPainter& p, QPoint blockTopLeft, const QColor& c, int length)
{
    QLinearGradient g(0, blockTopLeft.y() - length, 0, blockTopLeft.y());
    g.setColorAt(0, withAlpha(c, 0));
    g.setColorAt(1, withAlpha(c, 90));
    p.fillRect(QRect(blockTopLeft.x() + 3, blockTopLeft.y() - length, 10, length), g);
}

void drawFallingPiece(QPainter& p, const std::array<QImage, 8>& tiles, int type, QPoint cell)
{
    const QPoint origin = cell * 16;
    const QColor streak = type == 1 ? TileColour[4] : TileColour[type];
    for (const QPoint& c : ArrivalShape[type]) {
        const QPoint above = c - QPoint(0, 1);
        const bool topOfColumn = std::find(ArrivalShape[type].begin(), ArrivalShape[type].end(), above)
                                 == ArrivalShape[type].end();
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
void paintIntroStack(QPainter& p, const std::array<QImage, 8>& tiles)
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

QImage makeIntro(const std::array<QImage, 8>& tiles)
{
    QImage img(160, 288, QImage::Format_RGB32);
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

// ---------------------------------------------------------------------------
// High-score title

QImage makeHighScoreTitle()
{
    QImage img(141, 42, QImage::Format_ARGB32_Premultiplied);
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

// ---------------------------------------------------------------------------
// Icon

// The icon's layout: a T piece landing on a small stack. Digits are tile types.
const char* const IconRows[4] = {"..6.", ".666", "4773", "2773"};

// At 32 pixels every block is crisp 8 x 8 pixel art; at larger sizes the
// blocks are rounded and shaded.
QImage makeIcon(int size)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    const double cell = size / 4.0;
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            if (IconRows[r][c] == '.')
                continue;
            const QColor base = TileColour[IconRows[r][c] - '0'];
            if (size <= 32) {
                const QRect b(int(c * cell), int(r * cell), int(cell), int(cell));
                p.fillRect(b, Ink);
                p.fillRect(b.adjusted(1, 1, -1, -1), base);
                drawRings(p, b.adjusted(1, 1, -1, -1), {{lighter(base, 0.55), darker(base, 0.5)}});
                continue;
            }
            p.setRenderHint(QPainter::Antialiasing, true);
            const QRectF b(c * cell + cell * 0.04, r * cell + cell * 0.04, cell * 0.92, cell * 0.92);
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
    }
    p.end();
    return img.convertToFormat(QImage::Format_ARGB32);
}

// ---------------------------------------------------------------------------
// Output

class Writer {
public:
    explicit Writer(QString root) : m_root(std::move(root)) {}

    void png(const QString& path, const QImage& image) { save(path, image, "PNG"); }

    // The skin bitmaps are uncompressed 24-bit BMP files.
    void bmp(const QString& path, const QImage& image)
    {
        save(path, image.convertToFormat(QImage::Format_RGB888), "BMP");
    }

    bool ok() const { return m_ok; }

private:
    void save(const QString& path, const QImage& image, const char* format)
    {
        const QString full = m_root + QLatin1Char('/') + path;
        QDir().mkpath(QFileInfo(full).absolutePath());
        if (!image.save(full, format)) {
            std::fprintf(stderr, "gen_art: cannot write %s\n", qPrintable(full));
            m_ok = false;
        }
    }

    QString m_root;
    bool m_ok = true;
};

void reportFonts()
{
    for (const QFont& f : {sansFont(12), titleFont(20), scriptFont(34)}) {
        const QFontInfo info(f);
        std::fprintf(stderr, "gen_art: %s -> %s\n", qPrintable(f.families().join(", ")),
                     qPrintable(info.family()));
    }
}

} // namespace

int main(int argc, char** argv)
{
    // The pictures need fonts but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: gen_art <resource folder>\n");
        return 2;
    }
    reportFonts();

    Writer out(QString::fromLocal8Bit(argv[1]));
    const std::array<QImage, 8> tiles = makeTiles();
    for (int t = 0; t < 8; ++t)
        out.png(QStringLiteral("images/tile%1.png").arg(t), tiles[t]);
    for (int t = 1; t < 8; ++t)
        out.png(QStringLiteral("images/next%1.png").arg(t), makePreview(tiles, t));

    out.png(QStringLiteral("images/background.png"), makeMainBackground());
    out.png(QStringLiteral("images/intro.png"), makeIntro(tiles));
    out.png(QStringLiteral("images/button_up.png"), makeMenuButton(Face::Released));
    out.png(QStringLiteral("images/button_down.png"), makeMenuButton(Face::Pressed));
    out.png(QStringLiteral("images/options_background.png"), makeOptionsBackground());
    out.png(QStringLiteral("images/highscore_title.png"), makeHighScoreTitle());
    out.png(QStringLiteral("images/icon.png"), makeIcon(32));
    out.png(QStringLiteral("images/icon256.png"), makeIcon(256));

    out.bmp(QStringLiteral("skin/FM.bmp"), makeHighScoreBackground());
    out.bmp(QStringLiteral("skin/OK.bmp"), makeSkinButton({95, 23}, QStringLiteral("OK"), Face::Released));
    out.bmp(QStringLiteral("skin/ABBRECHEN.bmp"),
            makeSkinButton({95, 22}, QStringLiteral("Abbrechen"), Face::Released));
    out.bmp(QStringLiteral("skin/SCHLIESSEN.bmp"),
            makeSkinButton({95, 23}, QString::fromUtf8("Schlie\u00dfen"), Face::Released));
    out.bmp(QStringLiteral("skin/REVERSE.bmp"), makeSkinButton({95, 23}, QString(), Face::Pressed));
    out.bmp(QStringLiteral("skin/KLEIN.bmp"), makeTitleButton(Glyph::Minimise, Face::Released));
    out.bmp(QStringLiteral("skin/RKLEIN.bmp"), makeTitleButton(Glyph::Minimise, Face::Pressed));
    out.bmp(QStringLiteral("skin/EXIT.bmp"), makeTitleButton(Glyph::Close, Face::Released));
    out.bmp(QStringLiteral("skin/REXIT.bmp"), makeTitleButton(Glyph::Close, Face::Pressed));
    return out.ok() ? 0 : 1;
}
