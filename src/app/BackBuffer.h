#pragma once

#include <array>

#include <QImage>

#include "core/GameState.h"

// The well's back buffer: the well as the screen shows it, an off-screen
// image that keeps its pixels between paints, so only the cells that changed
// are painted again. On a scaled screen every cell holds the tile painted for
// that scale, so the well is as crisp as the rest of the window. The tile of
// cell (column, row) lies TileSize * (column - 1, row - 1) design pixels from
// the well's top left corner.
class BackBuffer {
public:
    static constexpr int TileSize = 16;            // pixels, both ways
    static constexpr QSize WellSize{160, 288};     // design pixels
    static constexpr QRgb Background = 0xFFC0C0C0; // light gray, (192, 192, 192)

    BackBuffer();

    // The window's pictures are loaded for a screen of this scale, the first
    // time or on another screen: takes the tiles for it and paints the
    // screen's well again from the cells painted so far.
    void SetScreenRatio(qreal devicePixelRatio);

    // Copies tile 0..7 (0 the empty cell) onto cell (column 1..10, row 1..18);
    // before the first SetScreenRatio the cell is only remembered.
    void PaintTile(int col, int row, int tile);

    // The well at the screen's scale, marked with its ratio; null before the
    // first SetScreenRatio.
    const QImage& ScreenImage() const { return m_screen; }

private:
    int m_screenTileSize = 0;             // screen pixels per cell, both ways; 0 before the first scale
    QImage m_screen;
    std::array<QImage, 8> m_screenTiles;  // the empty cell and the seven piece colours at the screen's scale
    // The tile last painted on each cell, -1 where none was (the background shows).
    brixel::Well m_painted;

    void PaintScreenTile(int col, int row, int tile);
};
