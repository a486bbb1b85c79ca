#include "Tiles.h"

#include "Painting.h"
#include "pieces/PieceCatalogue.h"

#include <QPainter>
#include <QRadialGradient>

#include <cstdio>
#include <cstdlib>

namespace art {

Shape ArrivalShape(int type)
{
    Shape shape{};
    if (const brixel::Shape* cells = brixel::PieceShape(type, 1)) {
        for (std::size_t i = 0; i < shape.size(); ++i) {
            shape[i] = QPoint((*cells)[i].dc, (*cells)[i].dr);
        }
    }
    return shape;
}

namespace {

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

QRect cellBounds(const Shape& shape)
{
    QRect box(shape[0], shape[0]);
    for (const QPoint& c : shape)
        box = box.united(QRect(c, c));
    return box;
}

} // namespace

TileSet makeTiles()
{
    TileSet tiles;
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

TileSet scaleTiles(const TileSet& tiles, int scale)
{
    TileSet big;
    for (std::size_t t = 0; t < tiles.size(); ++t)
        big[t] = enlargePixels(tiles[t], scale);
    return big;
}

void drawPiece(QPainter& p, const TileSet& tiles, int type, QPoint origin)
{
    for (const QPoint& c : ArrivalShape(type))
        p.drawImage(origin + c * 16, tiles[type]);
}

// The piece's arrival shape sits centred on the floor of the next-piece box,
// with a faint halo that fades out well before the edges.
QImage makePreview(const TileSet& tiles, int type)
{
    QImage img = canvas({96, 64}, int(tiles[type].devicePixelRatio()));
    img.fill(PreviewFill);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    QRadialGradient halo(QPointF(48, 32), 30);
    halo.setColorAt(0, QColor(60, 80, 120, 70));
    halo.setColorAt(1, QColor(60, 80, 120, 0));
    p.fillRect(QRect(0, 0, 96, 64), halo);

    const QRect box = cellBounds(ArrivalShape(type));
    const QPoint topLeft((96 - box.width() * 16) / 2, (64 - box.height() * 16) / 2);
    const QPoint origin = topLeft - box.topLeft() * 16;
    for (const QPoint& c : ArrivalShape(type)) // soft shadow below and right of each block
        p.fillRect(QRect(origin + c * 16 + QPoint(2, 2), QSize(16, 16)), QColor(0, 0, 0, 90));
    drawPiece(p, tiles, type, origin);
    return img;
}

} // namespace art
