// Checks the committed pictures as the game uses them: every file the build
// embeds exists with the size its window expects, the skin bitmaps are plain
// 24-bit BMPs, the tiles carry their piece colours, the previews show the right
// shapes, and the places where the program writes text stay dark.

#include <gtest/gtest.h>

#include <QColor>
#include <QFile>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSet>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "pieces/PieceCatalogue.h"

namespace {

QString resourcePath(const QString& relative)
{
    return QStringLiteral(FALLOX_RESOURCE_DIR "/") + relative;
}

QImage load(const QString& relative)
{
    QImage image(resourcePath(relative));
    EXPECT_FALSE(image.isNull()) << relative.toStdString();
    return image;
}

struct Picture {
    const char* path;
    int width;
    int height;
};

const std::vector<Picture> Pictures = {
    {"images/background.png", 335, 329},  {"images/intro.png", 160, 288},
    {"images/button_up.png", 12, 12},     {"images/button_down.png", 12, 12},
    {"images/tile0.png", 16, 16},         {"images/tile1.png", 16, 16},
    {"images/tile2.png", 16, 16},         {"images/tile3.png", 16, 16},
    {"images/tile4.png", 16, 16},         {"images/tile5.png", 16, 16},
    {"images/tile6.png", 16, 16},         {"images/tile7.png", 16, 16},
    {"images/next1.png", 96, 64},         {"images/next2.png", 96, 64},
    {"images/next3.png", 96, 64},         {"images/next4.png", 96, 64},
    {"images/next5.png", 96, 64},         {"images/next6.png", 96, 64},
    {"images/next7.png", 96, 64},         {"images/options_background.png", 170, 328},
    {"images/highscore_title.png", 141, 42}, {"images/icon.png", 32, 32},
    {"images/icon256.png", 256, 256},     {"skin/FM.bmp", 334, 219},
    {"skin/OK.bmp", 95, 23},              {"skin/ABBRECHEN.bmp", 95, 23},
    {"skin/REVERSE.bmp", 95, 23},         {"skin/KLEIN.bmp", 33, 12},
    {"skin/RKLEIN.bmp", 33, 12},          {"skin/EXIT.bmp", 19, 12},
    {"skin/REXIT.bmp", 19, 12},           {"skin/SCHLIESSEN.bmp", 95, 23},
};

// Every picture but the desktop's large icon also comes painted twice and three
// times as finely, for screens that scale by 2 and 3.
constexpr std::array<int, 2> FineScales = {2, 3};

bool hasFineVersions(const Picture& p) { return std::string(p.path) != "images/icon256.png"; }

QString atScale(const char* path, int scale)
{
    const QString plain = QString::fromLatin1(path);
    const int dot = plain.lastIndexOf(QLatin1Char('.'));
    return plain.left(dot) + QStringLiteral("@%1x").arg(scale) + plain.mid(dot);
}

const std::array<QColor, 8> TileColour = {
    QColor(192, 192, 192), QColor(), QColor(213, 43, 43),  QColor(213, 128, 43),
    QColor(213, 213, 43),  QColor(43, 213, 43), QColor(43, 43, 213), QColor(170, 43, 213),
};


QImage tile(int type) { return load(QStringLiteral("images/tile%1.png").arg(type)); }

int luma(QRgb c) { return qGray(c); }

// The hue of the tile colour closest to c, as the index of its tile (2..7).
int nearestTileHue(const QColor& c)
{
    int best = -1;
    int bestDistance = 360;
    for (int t = 2; t < 8; ++t) {
        int d = std::abs(c.hsvHue() - TileColour[t].hsvHue());
        d = std::min(d, 360 - d);
        if (d < bestDistance) {
            bestDistance = d;
            best = t;
        }
    }
    return best;
}

std::uint16_t le16(const QByteArray& b, int at)
{
    return std::uint16_t(std::uint8_t(b[at]) | std::uint8_t(b[at + 1]) << 8);
}

TEST(ArtFiles, BuildListsExactlyThePicturesTheGameLoads)
{
    const QStringList listed = QStringLiteral(FALLOX_RESOURCE_LIST).split(QLatin1Char('|'));
    QSet<QString> expected;
    for (const Picture& p : Pictures) {
        expected.insert(QString::fromLatin1(p.path));
        for (const int scale : FineScales) {
            if (hasFineVersions(p))
                expected.insert(atScale(p.path, scale));
        }
    }
    EXPECT_EQ(QSet<QString>(listed.begin(), listed.end()), expected);
    EXPECT_EQ(listed.size(), expected.size()) << "a picture is listed twice";
}

TEST(ArtFiles, EveryPictureHasItsSize)
{
    for (const Picture& p : Pictures) {
        SCOPED_TRACE(p.path);
        const QImage image = load(QString::fromLatin1(p.path));
        EXPECT_EQ(image.size(), QSize(p.width, p.height));
        for (const int scale : FineScales) {
            if (hasFineVersions(p)) {
                EXPECT_EQ(load(atScale(p.path, scale)).size(), QSize(p.width, p.height) * scale) << scale;
            }
        }
    }
}

// A finer picture shrunk back to window pixels looks like the plain one: the
// same drawing at more pixels, not a shifted, cut or different one. Thin
// antialiased lines and text may differ a little; whole shapes may not.
TEST(ArtFiles, FinePicturesShrinkBackToThePlainOnes)
{
    for (const Picture& p : Pictures) {
        if (!hasFineVersions(p))
            continue;
        const QImage plain = load(QString::fromLatin1(p.path)).convertToFormat(QImage::Format_ARGB32);
        for (const int scale : FineScales) {
            SCOPED_TRACE(atScale(p.path, scale).toStdString());
            const QImage shrunk = load(atScale(p.path, scale))
                                      .convertToFormat(QImage::Format_ARGB32)
                                      .scaled(plain.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            double difference = 0;
            for (int y = 0; y < plain.height(); ++y) {
                for (int x = 0; x < plain.width(); ++x) {
                    const QRgb a = plain.pixel(x, y), b = shrunk.pixel(x, y);
                    difference += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                                  std::abs(qBlue(a) - qBlue(b)) + std::abs(qAlpha(a) - qAlpha(b));
                }
            }
            EXPECT_LT(difference / (plain.width() * plain.height()), 8.0);
        }
    }
}

// The tiles are pixel art: their finer versions are the same pixels, each
// grown to a square, so the well looks the same at every scale.
TEST(ArtFiles, FineTilesAreTheirPixelsEnlarged)
{
    for (int type = 0; type < 8; ++type) {
        const QImage plain = tile(type);
        for (const int scale : FineScales) {
            SCOPED_TRACE(scale);
            const QImage fine = load(QStringLiteral("images/tile%1@%2x.png").arg(type).arg(scale));
            EXPECT_EQ(fine.convertToFormat(QImage::Format_RGB32),
                      plain.scaled(plain.size() * scale).convertToFormat(QImage::Format_RGB32))
                << "tile " << type;
        }
    }
}

TEST(ArtFiles, SkinBitmapsAreUncompressed24BitBmp)
{
    for (const Picture& p : Pictures) {
        const QString path = QString::fromLatin1(p.path);
        if (!path.endsWith(QLatin1String(".bmp")))
            continue;
        SCOPED_TRACE(p.path);
        QFile file(resourcePath(path));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray header = file.read(54);
        ASSERT_EQ(header.size(), 54);
        EXPECT_EQ(header.left(2), QByteArray("BM"));
        EXPECT_EQ(le16(header, 28), 24) << "bits per pixel";
        EXPECT_EQ(le16(header, 30) | le16(header, 32) << 16, 0) << "compression";
        EXPECT_EQ(le16(header, 18), p.width);
    }
}

TEST(ArtFiles, EmptyCellTileIsPlainLightGray)
{
    const QImage empty = tile(0);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            ASSERT_EQ(empty.pixelColor(x, y), QColor(192, 192, 192)) << x << "," << y;
}

TEST(ArtFiles, PieceTilesShowTheirColourAtTheFaceAndCentre)
{
    for (int type = 2; type < 8; ++type) {
        SCOPED_TRACE(type);
        const QImage t = tile(type);
        for (const QPoint at : {QPoint(4, 11), QPoint(7, 7), QPoint(8, 7), QPoint(7, 8), QPoint(8, 8)})
            EXPECT_EQ(t.pixelColor(at), TileColour[type]) << at.x() << "," << at.y();
    }
}

TEST(ArtFiles, PieceTilesHaveABlackFrameAndAreLitFromTheTopLeft)
{
    for (int type = 1; type < 8; ++type) {
        SCOPED_TRACE(type);
        const QImage t = tile(type);
        for (int i = 0; i < 16; ++i) {
            EXPECT_EQ(t.pixel(i, 0), qRgb(0, 0, 0));
            EXPECT_EQ(t.pixel(i, 15), qRgb(0, 0, 0));
            EXPECT_EQ(t.pixel(0, i), qRgb(0, 0, 0));
            EXPECT_EQ(t.pixel(15, i), qRgb(0, 0, 0));
        }
        // Opposite edges of the bevel, halfway along.
        EXPECT_GT(luma(t.pixel(7, 1)), luma(t.pixel(7, 14)));
        EXPECT_GT(luma(t.pixel(1, 7)), luma(t.pixel(14, 7)));
        if (type >= 2) {
            EXPECT_GT(luma(t.pixel(7, 1)), luma(TileColour[type].rgb()));
            EXPECT_LT(luma(t.pixel(7, 14)), luma(TileColour[type].rgb()));
        }
    }
}

TEST(ArtFiles, RingTileRunsFromRedOutsideToVioletInTheCentre)
{
    const QImage t = tile(1);
    for (int ring = 0; ring < 6; ++ring) {
        SCOPED_TRACE(ring);
        const int expected = 2 + ring;
        EXPECT_EQ(nearestTileHue(t.pixelColor(1 + ring, 8)), expected) << "left side";
        EXPECT_EQ(nearestTileHue(t.pixelColor(14 - ring, 8)), expected) << "right side";
        EXPECT_EQ(nearestTileHue(t.pixelColor(8, 14 - ring)), expected) << "bottom side";
    }
}

TEST(ArtFiles, PreviewsShowTheArrivalShapeCentredInTiles)
{
    for (int type = 1; type < 8; ++type) {
        SCOPED_TRACE(type);
        const QImage preview = load(QStringLiteral("images/next%1.png").arg(type));
        const QImage face = tile(type);
        int minCol = 9, maxCol = -9, minRow = 9, maxRow = -9;
        // The arrival shape, from the game's own catalogue.
        std::vector<QPoint> cells;
        for (const brixel::Offset o : *brixel::PieceShape(type, 1)) {
            cells.emplace_back(o.dc, o.dr);
        }
        for (const QPoint& c : cells) {
            minCol = std::min(minCol, c.x());
            maxCol = std::max(maxCol, c.x());
            minRow = std::min(minRow, c.y());
            maxRow = std::max(maxRow, c.y());
        }
        const int left = (96 - 16 * (maxCol - minCol + 1)) / 2;
        const int top = (64 - 16 * (maxRow - minRow + 1)) / 2;

        QImage covered(96, 64, QImage::Format_Mono);
        covered.fill(0);
        for (const QPoint& c : cells) {
            const QPoint origin(left + 16 * (c.x() - minCol), top + 16 * (c.y() - minRow));
            EXPECT_EQ(preview.copy(QRect(origin, QSize(16, 16))), face.convertToFormat(preview.format()))
                << "cell " << c.x() << "," << c.y();
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 16; ++x)
                    covered.setPixel(origin.x() + x, origin.y() + y, 1);
        }
        int brightOutside = 0;
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 96; ++x)
                if (covered.pixelIndex(x, y) == 0 && luma(preview.pixel(x, y)) > 70)
                    ++brightOutside;
        EXPECT_EQ(brightOutside, 0) << "something besides the piece stands out";
    }
}

TEST(ArtFiles, PreviewFloorMatchesTheNextPieceBox)
{
    const QImage background = load(QStringLiteral("images/background.png"));
    for (int type = 1; type < 8; ++type) {
        SCOPED_TRACE(type);
        const QImage preview = load(QStringLiteral("images/next%1.png").arg(type));
        const QRgb floor = preview.pixel(0, 0);
        EXPECT_EQ(preview.pixel(95, 63), floor);
        // The picture may sit at the box's corner or inside its two-pixel border.
        for (const QPoint at : {QPoint(208, 128), QPoint(210, 130), QPoint(307, 195)})
            EXPECT_EQ(background.pixel(at), floor) << at.x() << "," << at.y();
    }
}

TEST(ArtFiles, MenuButtonCornersMatchTheirSockets)
{
    const QImage background = load(QStringLiteral("images/background.png"));
    for (const char* name : {"images/button_up.png", "images/button_down.png"}) {
        SCOPED_TRACE(name);
        const QImage button = load(QString::fromLatin1(name));
        const int w = button.width() - 1, h = button.height() - 1;
        for (int row = 0; row < 4; ++row) {
            const QPoint at(208, 32 + 16 * row);
            for (const QPoint corner : {QPoint(0, 0), QPoint(w, 0), QPoint(0, h), QPoint(w, h)})
                EXPECT_EQ(button.pixel(corner), background.pixel(at + corner))
                    << "row " << row << " corner " << corner.x() << "," << corner.y();
        }
    }
}

struct TextArea {
    const char* picture;
    QRect rect;
};

// Where the windows write their white, cyan and yellow texts.
const std::vector<TextArea> TextAreas = {
    {"images/background.png", {232, 32, 89, 17}},  {"images/background.png", {232, 48, 89, 17}},
    {"images/background.png", {232, 64, 89, 17}},  {"images/background.png", {232, 80, 89, 17}},
    {"images/background.png", {208, 112, 89, 17}}, {"images/background.png", {192, 224, 109, 17}},
    {"images/background.png", {200, 256, 109, 17}}, {"images/background.png", {200, 280, 109, 17}},
    {"images/background.png", {240, 224, 76, 20}}, {"images/background.png", {240, 248, 76, 20}},
    {"images/background.png", {240, 272, 76, 20}},
    {"images/options_background.png", {24, 64, 100, 17}},
    {"images/options_background.png", {24, 104, 100, 17}},
    {"images/options_background.png", {24, 136, 100, 17}},
    {"images/options_background.png", {24, 168, 100, 17}},
    {"images/options_background.png", {24, 280, 137, 17}},
    {"skin/FM.bmp", {80, 48, 233, 113}},
};

TEST(ArtFiles, TextAreasStayDarkEnoughToRead)
{
    for (const TextArea& area : TextAreas) {
        const QImage image = load(QString::fromLatin1(area.picture));
        const QRect r = area.rect;
        SCOPED_TRACE(std::string(area.picture) + " at " + std::to_string(r.x()) + "," + std::to_string(r.y()));
        int brightest = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                brightest = std::max(brightest, luma(image.pixel(x, y)));
        EXPECT_LT(brightest, 90);
    }
}

TEST(ArtFiles, HighScoreTitleIsWhiteOnTransparent)
{
    const QImage title = load(QStringLiteral("images/highscore_title.png"));
    ASSERT_TRUE(title.hasAlphaChannel());
    EXPECT_EQ(qAlpha(title.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(title.pixel(140, 41)), 0);
    int whiteInk = 0;
    for (int y = 0; y < title.height(); ++y)
        for (int x = 0; x < title.width(); ++x) {
            const QRgb c = title.pixel(x, y);
            if (qAlpha(c) > 220 && qRed(c) > 220 && qGreen(c) > 220 && qBlue(c) > 220)
                ++whiteInk;
        }
    EXPECT_GT(whiteInk, 150);
}

TEST(ArtFiles, IconsShowColouredBlocksOnTransparent)
{
    for (const char* name : {"images/icon.png", "images/icon256.png"}) {
        SCOPED_TRACE(name);
        const QImage icon = load(QString::fromLatin1(name));
        ASSERT_TRUE(icon.hasAlphaChannel());
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
        QSet<int> hues;
        for (int y = 0; y < icon.height(); ++y)
            for (int x = 0; x < icon.width(); ++x) {
                const QColor c = icon.pixelColor(x, y);
                if (c.alpha() == 255 && c.hsvSaturation() > 150)
                    hues.insert(nearestTileHue(c));
            }
        EXPECT_GE(hues.size(), 4);
    }
}

} // namespace
