#include <gtest/gtest.h>

#include "app/PixelCopy.h"

namespace {

// A 4 x 3 image whose every pixel tells its own position.
QImage Numbered(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, qRgb(x, y, 7));
        }
    }
    return image;
}

struct CopyCase {
    const char* name;
    QRect from;
    QPoint to;
    QRect changed;  // the part of the 6 x 5 target that receives pixels
};

TEST(CopyPixels, CopiesExactlyTheOverlapOfSourceAndTarget)
{
    const QImage source = Numbered(4, 3);
    const CopyCase cases[] = {
        {"inside", {1, 1, 2, 2}, {3, 2}, {3, 2, 2, 2}},
        {"whole source", {0, 0, 4, 3}, {0, 0}, {0, 0, 4, 3}},
        {"past the source's right edge", {2, 0, 4, 3}, {0, 0}, {0, 0, 2, 3}},
        {"before the source's left edge", {-1, 0, 2, 1}, {0, 0}, {1, 0, 1, 1}},
        {"past the target's corner", {0, 0, 4, 3}, {4, 3}, {4, 3, 2, 2}},
        {"target point left of the target", {0, 0, 3, 1}, {-2, 4}, {0, 4, 1, 1}},
        {"nothing overlaps", {0, 0, 2, 2}, {6, 0}, {}},
    };
    for (const CopyCase& c : cases) {
        QImage target(6, 5, QImage::Format_RGB32);
        target.fill(qRgb(255, 255, 255));
        CopyPixels(source, c.from, target, c.to);
        for (int y = 0; y < target.height(); ++y) {
            for (int x = 0; x < target.width(); ++x) {
                const QPoint at(x, y);
                const QPoint origin = at - c.to + c.from.topLeft();
                const QRgb expected = c.changed.contains(at) ? qRgb(origin.x(), origin.y(), 7) : qRgb(255, 255, 255);
                EXPECT_EQ(target.pixel(at), expected) << c.name << " at " << x << "," << y;
            }
        }
    }
}

}  // namespace
