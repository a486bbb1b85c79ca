#include "app/BackBuffer.h"

#include <algorithm>
#include <cmath>

#include "app/PixelCopy.h"
#include "media/SkinPictures.h"

BackBuffer::BackBuffer(qreal devicePixelRatio)
    : m_image(Size, QImage::Format_RGB32),
      // Cells stay whole screen pixels wide, so all of them look alike; the
      // ratio is rounded to the nearest one that gives whole cells (1.25 and
      // 1.5 do already).
      m_screenTileSize(std::max(1, static_cast<int>(std::lround(TileSize * devicePixelRatio))))
{
    const qreal ratio = qreal(m_screenTileSize) / TileSize;
    for (std::size_t tile = 0; tile < m_tiles.size(); ++tile) {
        const QString name = QStringLiteral("tile%1").arg(tile);
        m_tiles[tile] = DesignImage(name, 1).convertToFormat(QImage::Format_RGB32);
        m_screenTiles[tile] = DesignImage(name, ratio).convertToFormat(QImage::Format_RGB32);
    }
    m_image.fill(Background);
    m_screen = QImage(WellArea.size() * m_screenTileSize / TileSize, QImage::Format_RGB32);
    m_screen.setDevicePixelRatio(ratio);
    m_screen.fill(Background);
}

void BackBuffer::PaintTile(int col, int row, int tile)
{
    if (tile < 0 || tile >= static_cast<int>(m_tiles.size())) {
        return;  // no picture for such a cell; the game never writes one
    }
    const QImage& picture = m_tiles[static_cast<std::size_t>(tile)];
    CopyPixels(picture, QRect(0, 0, TileSize, TileSize), m_image,
               QPoint(TileSize * (col - 1) + 1, TileSize * (row - 1) + 1));
    const int size = m_screenTileSize;
    CopyPixels(m_screenTiles[static_cast<std::size_t>(tile)], QRect(0, 0, size, size), m_screen,
               QPoint(size * (col - 1), size * (row - 1)));
}
