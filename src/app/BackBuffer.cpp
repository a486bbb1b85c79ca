#include "app/BackBuffer.h"

#include <algorithm>
#include <cmath>

#include "app/PixelCopy.h"
#include "media/SkinPictures.h"

namespace {

QString TileName(std::size_t tile)
{
    return QStringLiteral("tile%1").arg(tile);
}

}  // namespace

BackBuffer::BackBuffer()
{
    for (int col = 1; col <= brixel::WellColumns; ++col) {
        for (int row = 1; row <= brixel::WellRows; ++row) {
            m_painted(col, row) = -1;
        }
    }
}

void BackBuffer::SetScreenRatio(qreal devicePixelRatio)
{
    // Cells stay whole screen pixels wide, so all of them look alike; the
    // ratio is rounded to the nearest one that gives whole cells (1.25 and
    // 1.5 do already).
    const int size = std::max(1, static_cast<int>(std::lround(TileSize * devicePixelRatio)));
    if (size == m_screenTileSize) {
        return;
    }
    m_screenTileSize = size;
    const qreal ratio = qreal(size) / TileSize;
    for (std::size_t tile = 0; tile < m_screenTiles.size(); ++tile) {
        m_screenTiles[tile] = DesignImage(TileName(tile), ratio).convertToFormat(QImage::Format_RGB32);
    }
    m_screen = QImage(WellSize * size / TileSize, QImage::Format_RGB32);
    m_screen.setDevicePixelRatio(ratio);
    m_screen.fill(Background);
    for (int col = 1; col <= brixel::WellColumns; ++col) {
        for (int row = 1; row <= brixel::WellRows; ++row) {
            if (const int tile = m_painted(col, row); tile >= 0) {
                PaintScreenTile(col, row, tile);
            }
        }
    }
}

void BackBuffer::PaintTile(int col, int row, int tile)
{
    if (tile < 0 || tile >= static_cast<int>(m_screenTiles.size()) || !brixel::Well::Inside(col, row)) {
        return;  // no picture for such a cell; the game never paints one
    }
    m_painted(col, row) = static_cast<std::int16_t>(tile);
    if (m_screenTileSize != 0) {
        PaintScreenTile(col, row, tile);
    }
}

void BackBuffer::PaintScreenTile(int col, int row, int tile)
{
    const int size = m_screenTileSize;
    CopyPixels(m_screenTiles[static_cast<std::size_t>(tile)], QRect(0, 0, size, size), m_screen,
               QPoint(size * (col - 1), size * (row - 1)));
}
