// The sixteen-pixel tiles of the well and the next-piece previews, and the
// arrival shapes of the pieces that the previews and the intro are built from.

#pragma once

#include <QImage>
#include <QPoint>

#include <array>

class QPainter;

namespace art {

using TileSet = std::array<QImage, 8>; // one 16 x 16 tile per piece type, 0 the empty cell
using Shape = std::array<QPoint, 4>;   // a piece's four cells

// The shape piece type 1..7 arrives in, taken from the game's own catalogue:
// (column offset, row offset) from the reference cell, rows growing downwards.
Shape ArrivalShape(int type);

// Paints all eight tiles and checks that tiles 2..7 keep their face colour
// where the game looks for it; stops the program if one does not.
TileSet makeTiles();

// The tiles enlarged for a screen of the given whole scale. They are pixel
// art, so every pixel becomes a square of scale x scale pixels.
TileSet scaleTiles(const TileSet& tiles, int scale);

// Draws a piece in its arrival shape with its reference cell at origin.
void drawPiece(QPainter& p, const TileSet& tiles, int type, QPoint origin);

// The 96 x 64 preview of a piece for the next-piece box, painted at the
// scale the tiles were enlarged to.
QImage makePreview(const TileSet& tiles, int type);

} // namespace art
