#include "app/PixelCopy.h"

#include <cstring>

void CopyPixels(const QImage& source, QRect from, QImage& target, QPoint to)
{
    // Clip against the source first, moving the target point along with it.
    const QRect inSource = from.intersected(source.rect());
    to += inSource.topLeft() - from.topLeft();
    // Then against the target, moving the source rectangle along.
    const QRect inTarget = QRect(to, inSource.size()).intersected(target.rect());
    if (inTarget.isEmpty()) {
        return;
    }
    const QPoint sourceStart = inSource.topLeft() + (inTarget.topLeft() - to);
    const qsizetype rowBytes = qsizetype(inTarget.width()) * 4;
    for (int y = 0; y < inTarget.height(); ++y) {
        const auto* from32 = reinterpret_cast<const quint32*>(source.constScanLine(sourceStart.y() + y)) + sourceStart.x();
        auto* to32 = reinterpret_cast<quint32*>(target.scanLine(inTarget.y() + y)) + inTarget.x();
        std::memcpy(to32, from32, rowBytes);
    }
}
