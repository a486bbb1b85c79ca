#include "media/DesignFont.h"

#include <QStringList>

QFont DesignFont(int pixelSize, QFont::Weight weight)
{
    // Where neither Windows face exists, the font the program brings along.
    QFont font(QStringList{QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                           QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    return font;
}
