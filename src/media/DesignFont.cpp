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

void RegisterDesignFonts()
{
    // The plain list, not hasFamily(), which first runs the family through
    // the system's font substitutions at a cost of milliseconds.
    if (QFontDatabase::families().contains(QStringLiteral("DejaVu Sans"))) {
        return;
    }
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/DejaVuSans.ttf"));
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/DejaVuSans-Bold.ttf"));
}
