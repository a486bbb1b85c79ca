#include "app/BackBuffer.h"

#include "app/PixelCopy.h"

BackBuffer::BackBuffer() : m_image(Size, QImage::Format_RGB32)
{
    m_image.fill(Background);
    for (std::size_t tile = 0; tile < m_tiles.size(); ++tile) {
        m_tiles[tile] = QImage(QStringLiteral(":/images/tile%1.png").arg(tile)).convertToFormat(QImage::Format_RGB32);
    }
}

void BackBuffer::PaintTile(int col, int row, int tile)
{
    if (tile < 0 || tile >= static_cast<int>(m_tiles.size())) {
        return;  // no picture for such a cell; the game never writes one
    }
    const QImage& picture = m_tiles[static_cast<std::size_t>(tile)];
    CopyPixels(picture, QRect(0, 0, TileSize, TileSize), m_image,
               QPoint(TileSize * (col - 1) + 1, TileSize * (row - 1) + 1));
}
