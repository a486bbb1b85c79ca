// Checks the icon pictures that the installation puts into the hicolor theme:
// every size is there and square, each shows the same stones at the same
// places, and the scalable SVG draws those stones where the pictures have them.

#include <gtest/gtest.h>

#include <QColor>
#include <QFile>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <utility>

namespace {

const int IconSizes[] = {16, 32, 48, 64, 128, 256, 512};

QString iconPath(const QString& name)
{
    return QStringLiteral(FALLOX_RESOURCE_DIR "/icons/") + name;
}

QImage icon(int size)
{
    QImage image(iconPath(QStringLiteral("fallox-%1.png").arg(size)));
    EXPECT_FALSE(image.isNull()) << size;
    return image;
}

// What the centre of each of the 4 x 4 cells shows: -1 when transparent, else
// the hue of its colour.
std::map<std::pair<int, int>, int> cellHues(const QImage& image)
{
    std::map<std::pair<int, int>, int> hues;
    const int cell = image.width() / 4;
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            const QColor at = image.pixelColor(c * cell + cell / 2, r * cell + cell / 2);
            hues[{r, c}] = at.alpha() < 128 ? -1 : at.hsvHue();
        }
    }
    return hues;
}

bool sameHue(int a, int b)
{
    if (a < 0 || b < 0)
        return a == b;
    const int d = std::abs(a - b);
    return std::min(d, 360 - d) <= 8;
}

TEST(IconTheme, EverySizeIsASquarePictureWithTransparentCorners)
{
    for (const int size : IconSizes) {
        SCOPED_TRACE(size);
        const QImage image = icon(size);
        ASSERT_EQ(image.size(), QSize(size, size));
        EXPECT_TRUE(image.hasAlphaChannel());
        EXPECT_EQ(image.pixelColor(0, 0).alpha(), 0) << "the empty upper left cell";
        EXPECT_EQ(image.pixelColor(size - 1, 0).alpha(), 0) << "the empty upper right cell";
        EXPECT_EQ(image.pixelColor(size / 8, size - 1 - size / 8).alpha(), 255) << "the lower left stone";
    }
}

TEST(IconTheme, EverySizeShowsTheSameStones)
{
    const auto reference = cellHues(icon(256));
    for (const int size : IconSizes) {
        SCOPED_TRACE(size);
        const auto hues = cellHues(icon(size));
        for (const auto& [cell, hue] : reference)
            EXPECT_TRUE(sameHue(hues.at(cell), hue))
                << "cell " << cell.first << "," << cell.second << ": " << hues.at(cell) << " vs " << hue;
    }
}

// The raised top of every stone is the one rectangle filled with the stone's
// own flat colour; its centre names the cell.
TEST(IconTheme, ScalableIconDrawsTheStonesOfThePictures)
{
    QFile file(iconPath(QStringLiteral("fallox.svg")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader svg(&file);
    std::map<std::pair<int, int>, int> drawn;
    double viewSize = 0;
    while (!svg.atEnd()) {
        if (svg.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto attributes = svg.attributes();
        if (svg.name() == QLatin1String("svg")) {
            const QStringList box = attributes.value(QLatin1String("viewBox")).toString().split(QLatin1Char(' '));
            ASSERT_EQ(box.size(), 4);
            viewSize = box[2].toDouble();
            EXPECT_EQ(box[3].toDouble(), viewSize);
        }
        if (svg.name() != QLatin1String("rect"))
            continue;
        const QString fill = attributes.value(QLatin1String("fill")).toString();
        if (fill.startsWith(QLatin1String("url(")) || fill == QLatin1String("#000000"))
            continue;
        ASSERT_GT(viewSize, 0);
        const double cx = attributes.value(QLatin1String("x")).toDouble() +
                          attributes.value(QLatin1String("width")).toDouble() / 2;
        const double cy = attributes.value(QLatin1String("y")).toDouble() +
                          attributes.value(QLatin1String("height")).toDouble() / 2;
        const std::pair<int, int> cell{int(cy * 4 / viewSize), int(cx * 4 / viewSize)};
        EXPECT_EQ(drawn.count(cell), 0u) << "two stones in one cell";
        drawn[cell] = QColor(fill).hsvHue();
    }
    ASSERT_FALSE(svg.hasError()) << svg.errorString().toStdString();

    for (const auto& [cell, hue] : cellHues(icon(256))) {
        SCOPED_TRACE(testing::Message() << "cell " << cell.first << "," << cell.second);
        if (hue < 0) {
            EXPECT_EQ(drawn.count(cell), 0u);
        } else {
            ASSERT_EQ(drawn.count(cell), 1u);
            EXPECT_TRUE(sameHue(drawn.at(cell), hue)) << drawn.at(cell) << " vs " << hue;
        }
    }
}

// The icon inside Fallox.exe: a directory of pictures of 16 to 256 pixels,
// each a PNG at the offset and of the length and size its entry states,
// showing the stones of the installed pictures.
TEST(IconTheme, WindowsIconHoldsEverySizeWithTheSameStones)
{
    QFile file(iconPath(QStringLiteral("fallox.ico")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray ico = file.readAll();
    const auto number = [&](qsizetype at, int bytes) {
        quint32 value = 0;
        for (int i = bytes - 1; i >= 0; --i)
            value = value << 8 | static_cast<quint8>(ico.at(at + i));
        return value;
    };
    ASSERT_GE(ico.size(), 6);
    EXPECT_EQ(number(0, 2), 0u);
    EXPECT_EQ(number(2, 2), 1u) << "an icon, not a cursor";
    const int count = static_cast<int>(number(4, 2));
    ASSERT_GE(ico.size(), 6 + 16 * count);
    const auto reference = cellHues(icon(256));
    QList<int> sizes;
    for (int i = 0; i < count; ++i) {
        const qsizetype entry = 6 + 16 * i;
        const int size = number(entry, 1) == 0 ? 256 : static_cast<int>(number(entry, 1));
        SCOPED_TRACE(size);
        sizes.append(size);
        const quint32 length = number(entry + 8, 4);
        const quint32 offset = number(entry + 12, 4);
        ASSERT_LE(qsizetype(offset) + qsizetype(length), ico.size());
        const QImage picture = QImage::fromData(ico.mid(offset, length), "PNG");
        ASSERT_EQ(picture.size(), QSize(size, size));
        for (const auto& [cell, hue] : cellHues(picture))
            EXPECT_TRUE(sameHue(hue, reference.at(cell))) << "cell " << cell.first << "," << cell.second;
    }
    EXPECT_EQ(sizes, QList<int>({16, 24, 32, 48, 64, 128, 256}));
}

} // namespace
