#pragma once

#include <array>

#include <QImage>

// picBoard2: the well's back buffer, an off-screen image that keeps its
// pixels between paints, so only the cells that changed are painted again.
// A one-pixel margin surrounds the 160 x 288 well: the tile of cell
// (column, row) lies at (16 * (column - 1) + 1, 16 * (row - 1) + 1).
class BackBuffer {
public:
    static constexpr int TileSize = 16;            // pixels, both ways
    static constexpr QSize Size{162, 290};         // the well plus its margin
    static constexpr QRect WellArea{1, 1, 160, 288};  // the part the screen shows
    static constexpr QRgb Background = 0xFFC0C0C0; // light gray, (192, 192, 192)

    BackBuffer();

    // Copies tile 0..7 (0 the empty cell) onto cell (column 1..10, row 1..18).
    void PaintTile(int col, int row, int tile);

    const QImage& Image() const { return m_image; }

private:
    QImage m_image;
    std::array<QImage, 8> m_tiles;  // the empty cell and the seven piece colours
};
