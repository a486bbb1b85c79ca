#include "media/DesignFont.h"

#include <QFontDatabase>
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

void RegisterDesignFont()
{
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/DejaVuSans.ttf"));
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/DejaVuSans-Bold.ttf"));
}
