// The buttons: the round menu gems of the main window and the rectangular
// push buttons that the skinned windows load as 24-bit BMP files.

#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

namespace art {

enum class Face { Released, Pressed };
enum class Glyph { Minimise, Close };

// Every picture is painted scale times as finely as its size in window pixels.

// A round 12 x 12 gem. Released, it is a cool steel-blue stone; pressed, it
// sits one pixel deeper and glows, which is also how the pause button shows a
// held game. Both faces have one size, so the button never cuts either.
QImage makeMenuButton(Face face, int scale);

// A rectangular push button, with its label centred on it; an empty label
// leaves the face bare.
QImage makeSkinButton(QSize size, const QString& label, Face face, int scale,
                      const QColor& top = QColor(84, 96, 126),
                      const QColor& bottom = QColor(30, 35, 49));

// The small buttons in the main window's title tray.
QImage makeTitleButton(Glyph glyph, Face face, int scale);

} // namespace art
