#include <algorithm>
#include <cstdlib>

#include <QFontInfo>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

#include "WindowTestSupport.h"
#include "app/WellView.h"
#include "media/PictureButton.h"

namespace fallox::test {
namespace {

struct Place {
    const char* name;
    QRect rect;
};

// Every control of the main window where the background expects it.
const Place Places[] = {
    {"well", {16, 15, 164, 292}},   {"intro", {16, 15, 164, 292}},  {"preview", {208, 128, 100, 68}},
    {"nextCaption", {208, 112, 89, 17}},   {"newGameButton", {208, 32, 12, 12}},   {"highScoresButton", {208, 48, 12, 12}},
    {"optionsButton", {208, 64, 12, 12}},    {"pauseButton", {208, 80, 12, 12}},   {"newGameCaption", {232, 32, 89, 17}},
    {"highScoresCaption", {232, 48, 89, 17}},    {"optionsCaption", {232, 64, 89, 17}},   {"pauseCaption", {232, 80, 89, 17}},
    {"scoreCaption", {192, 224, 109, 17}},    {"linesCaption", {200, 256, 109, 17}},   {"levelCaption", {200, 280, 109, 17}},
    {"scoreLabel", {240, 224, 76, 20}},   {"linesLabel", {240, 248, 76, 20}},  {"levelLabel", {240, 272, 76, 20}},
    {"minimiseButton", {272, 8, 33, 12}},     {"closeButton", {304, 8, 19, 12}},
};

TEST(MainWindowLayout, EveryControlSitsAtItsPlace)
{
    ShownWindow window;
    for (const Place& place : Places) {
        const QWidget* control = window.Control(QString::fromLatin1(place.name));
        ASSERT_NE(control, nullptr) << place.name;
        EXPECT_EQ(control->geometry(), place.rect) << place.name;
    }
}

struct Caption {
    const char* name;
    const char* text;
    QColor colour;
    int pixelSize;
    bool bold;
};

const Caption Captions[] = {
    {"nextCaption", "Nächster Stein:", QColor(0, 255, 255), 11, false},
    {"newGameCaption", "Neues spiel", QColor(255, 255, 255), 11, false},
    {"highScoresCaption", "High-Score", QColor(255, 255, 255), 11, false},
    {"optionsCaption", "Option", QColor(255, 255, 255), 11, false},
    {"pauseCaption", "Pause", QColor(255, 255, 255), 11, false},
    {"scoreCaption", "Punkte:", QColor(128, 255, 255), 11, false},
    {"linesCaption", "Lines:", QColor(128, 255, 255), 11, false},
    {"levelCaption", "Level:", QColor(128, 255, 255), 11, false},
    {"scoreLabel", "0", QColor(255, 255, 192), 13, true},
    {"linesLabel", "0", QColor(255, 255, 192), 13, true},
    {"levelLabel", "0", QColor(255, 255, 192), 13, true},
};

// The brightest value of each channel in a picture of a caption: on the dark
// skin, that is the colour the text is drawn in, wherever its strokes are solid.
QColor InkColour(const QImage& picture)
{
    int red = 0;
    int green = 0;
    int blue = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb pixel = picture.pixel(x, y);
            red = std::max(red, qRed(pixel));
            green = std::max(green, qGreen(pixel));
            blue = std::max(blue, qBlue(pixel));
        }
    }
    return QColor(red, green, blue);
}

bool Near(QColor a, QColor b)
{
    constexpr int Tolerance = 8;  // the thinnest strokes never reach full cover
    return std::abs(a.red() - b.red()) <= Tolerance && std::abs(a.green() - b.green()) <= Tolerance &&
           std::abs(a.blue() - b.blue()) <= Tolerance;
}

TEST(MainWindowLayout, CaptionsHaveTheirTextFontAndColour)
{
    ShownWindow window;
    for (const Caption& caption : Captions) {
        auto* label = window.Control<QLabel>(QString::fromLatin1(caption.name));
        ASSERT_NE(label, nullptr) << caption.name;
        EXPECT_EQ(label->text(), QString::fromUtf8(caption.text)) << caption.name;
        // What the label paints, read back as pixels rather than from its palette.
        const QColor ink = InkColour(label->grab().toImage());
        EXPECT_TRUE(Near(ink, caption.colour)) << caption.name << ": " << ink.name().toStdString();
        const QFontInfo font(label->font());
        EXPECT_EQ(font.pixelSize(), caption.pixelSize) << caption.name;
        EXPECT_EQ(font.bold(), caption.bold) << caption.name;
        // One of the faces asked for, never a stand-in; under Wine, where Qt's
        // offscreen platform knows no font but those the program registers,
        // the DejaVu Sans it brings along.
        EXPECT_TRUE(label->font().families().contains(font.family()))
            << caption.name << ": " << font.family().toStdString();
    }
}

TEST(MainWindowLayout, StartsWithTheIntroOverTheWellAndAnEmptyPreview)
{
    ShownWindow window;
    EXPECT_TRUE(window.Control("intro")->isVisible());
    EXPECT_TRUE(window.Control<QLabel>("preview")->pixmap().isNull());
    EXPECT_FALSE(window.Control<WellView>("well")->HasPicture());
    for (int i = 0; i < 4; ++i) {
        EXPECT_FALSE(window.Button(MenuButtonNames[i])->IsShowingPressed()) << i;
    }
    // The intro picture lies exactly on the well's drawing area.
    const QImage intro(":/images/intro.png");
    const QImage screen = window.Screen();
    for (const QPoint p : {QPoint(0, 0), QPoint(80, 144), QPoint(159, 287)}) {
        EXPECT_EQ(screen.pixel(WellOrigin + p), intro.pixel(p)) << p.x() << "," << p.y();
    }
}

TEST(MainWindowLayout, DragStartsFromTheBareBackgroundOnly)
{
    ShownWindow window;
    EXPECT_EQ(PressAndDrag(window.window.get(), QPoint(190, 310), QPoint(-40, -20)).moved, QPoint(-40, -20));
    for (const char* name : {"newGameCaption", "scoreLabel", "well", "intro", "preview", "pauseButton", "minimiseButton"}) {
        const DragOutcome drag = PressAndDrag(window.Control(QString::fromLatin1(name)), QPoint(2, 2), QPoint(7, 5));
        EXPECT_EQ(drag.moved, QPoint(0, 0)) << name;
        EXPECT_FALSE(drag.heldUntilRelease) << name;
    }
}

}  // namespace
}  // namespace fallox::test
