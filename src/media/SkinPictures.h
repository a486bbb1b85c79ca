#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

// Every picture is stored painted for screens of scale 1, 2 and 3, as
// "name.bmp", "name@2x.bmp", "name@3x.bmp" (or .png). These functions give the
// picture for a screen of the given device pixel ratio, marked with that
// ratio, so each of its pixels lands on one pixel of the screen and nothing is
// smoothed while painting:
// - a whole ratio of 1, 2 or 3 takes the file painted for it as it is;
// - a larger whole ratio grows the file of the largest of 1, 2 and 3 that
//   divides it by whole pixels, the way pixel art is enlarged;
// - a fractional ratio (1.25, 1.5) shrinks the finest file to the exact
//   size on the screen by averaging, so the result is what painting at that
//   scale would give: straight edges stay straight and no pixel is doubled.
// The picture's size in window pixels is the same at every ratio.

// The skin's bitmaps by name, compared without regard to case ("Reverse",
// "REVERSE" and "reverse" are one picture). An unknown name gives a null pixmap.
QPixmap SkinPicture(const QString& name, qreal devicePixelRatio);

// A picture of the window designs by its file name under images/ ("tile3", "intro").
QPixmap DesignPicture(const QString& name, qreal devicePixelRatio);
QImage DesignImage(const QString& name, qreal devicePixelRatio);

// The size in window pixels of a picture marked with its device pixel ratio.
QSize PictureSize(const QPixmap& picture);
