#include "media/DesignFont.h"

#include <QStringList>

QFont DesignFont(int pixelSize, QFont::Weight weight)
{
    QFont font(QStringList{QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    return font;
}
