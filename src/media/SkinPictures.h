#pragma once

#include <QPixmap>
#include <QString>

// The skin's bitmaps by name, compared without regard to case ("Reverse",
// "REVERSE" and "reverse" are one picture). An unknown name gives a null pixmap.
QPixmap SkinPicture(const QString& name);

// A picture of the window designs by its file name under images/ ("tile3", "intro").
QPixmap DesignPicture(const QString& name);
