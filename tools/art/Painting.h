// The palette and the drawing helpers that every picture of gen_art shares.
// Light always falls from the top left: raised parts are light on their upper
// and left edges, recessed parts on their lower and right edges.

#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QPointF>
#include <QRect>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

class QPainter;

namespace art {

// The face colours of the tiles, indexed by piece type. Type 1 has no single
// colour (its tile shows rings of all the others); the entry is its centre.
inline constexpr std::array<QColor, 8> TileColour = {
    QColor(192, 192, 192), QColor(170, 43, 213), QColor(213, 43, 43),  QColor(213, 128, 43),
    QColor(213, 213, 43),  QColor(43, 213, 43),  QColor(43, 43, 213),  QColor(170, 43, 213),
};

inline constexpr QColor SkinTop(40, 46, 62);          // upper end of the window gradient
inline constexpr QColor SkinBottom(17, 20, 28);       // lower end of the window gradient
inline constexpr QColor FrameLight(128, 140, 170);    // lit outer edge of a window frame
inline constexpr QColor FrameMid(72, 82, 106);        // second ring of the lit edge
inline constexpr QColor FrameShadow(8, 10, 14);       // shaded outer edge of a window frame
inline constexpr QColor FrameShadowMid(24, 28, 38);   // second ring of the shaded edge
inline constexpr QColor PanelFill(13, 16, 23);        // floor of a recessed panel
inline constexpr QColor PreviewFill(10, 12, 19);      // floor of the next-piece box and its pictures
inline constexpr QColor Accent(70, 206, 232);         // the cyan of the captions, used for thin accents
inline constexpr QColor Ink(0, 0, 0);

// A blank picture of the given size in window pixels, painted scale times as
// finely: its device pixel ratio makes every painter on it work in window
// pixels, so one drawing serves every scale, with outlines, gradients and text
// rendered at full resolution and one-pixel rings scaled to whole pixels.
QImage canvas(QSize size, int scale, QImage::Format format = QImage::Format_RGB32);

// A copy of pixel art enlarged by a whole factor without smoothing, marked
// with that factor as its device pixel ratio.
QImage enlargePixels(const QImage& art, int scale);

QColor mix(const QColor& a, const QColor& b, double t);
QColor lighter(const QColor& c, double t);
QColor darker(const QColor& c, double t);
QColor withAlpha(QColor c, int alpha);

// The three type faces of the pictures. Each names a list of families and
// takes the first one installed.
QFont sansFont(int px, QFont::Weight weight = QFont::Bold);
QFont titleFont(int px);
QFont scriptFont(int px);

// A text as an outline whose bounding box is centred on the given point, so
// that titles sit where they are meant to regardless of the font's metrics.
QPainterPath centredText(const QString& text, const QFont& font, QPointF centre);

// Lettering on a skin: a dark drop shadow at the given offset, then the text
// in an ink that runs from a pale highlight at top down to the accent cyan at
// bottom.
void drawCaption(QPainter& p, const QPainterPath& text, QPointF shadow, const QColor& highlight,
                 double top, double bottom);

struct Ring {
    QColor upperLeft;
    QColor lowerRight;
};

// Draws pixel-exact rings from the outside of the rectangle inwards. The lower
// and right edges are drawn last, so the two odd corners take their colour.
void drawRings(QPainter& p, QRect r, const std::vector<Ring>& rings);

void fillVertical(QPainter& p, const QRectF& r, const QColor& top, const QColor& bottom);

// A floor sunk into the skin: dark on the upper and left walls, a faint lit rim
// below and to the right, and an even fill that text can be read on.
void recessedPanel(QPainter& p, const QRect& r, const QColor& fill);

// A plate standing out of the skin, with a soft vertical sheen.
void raisedPlate(QPainter& p, const QRect& r, const QColor& top, const QColor& bottom);

// The dark brushed-metal surface shared by every skinned window: a vertical
// gradient, a sheen from the upper left, faint horizontal brushing and a
// bevelled frame. frame is the part of the picture that the window shows.
void skinSurface(QPainter& p, const QRect& frame, std::uint32_t seed);

} // namespace art
