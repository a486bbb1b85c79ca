// gen_art: paints every picture of Fallox and writes it below the folder given
// on the command line (normally resources/).
//
//   gen_art <resource folder>
//
// The pictures are committed; run this again only after changing the artwork.
// Everything is drawn from code with fixed values, so two runs on the same
// machine write identical files. The painting itself lives in art/.

#include "art/Emblems.h"
#include "art/IconTheme.h"
#include "art/Intro.h"
#include "art/Painting.h"
#include "art/Skin.h"
#include "art/Tiles.h"
#include "art/Windows.h"
#include "art/Writer.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <QStringList>

#include <cstdio>

using namespace art;

namespace {

// Which installed family each type face resolved to; a different answer on
// another machine explains pictures that differ from the committed ones.
void reportFonts()
{
    for (const QFont& f : {sansFont(12), titleFont(20), scriptFont(34)}) {
        const QFontInfo info(f);
        std::fprintf(stderr, "gen_art: %s -> %s\n", qPrintable(f.families().join(", ")),
                     qPrintable(info.family()));
    }
}

// The screens' whole scales the pictures are painted for. A picture for scale
// n is stored as "name@nx.png" beside "name.png", where the game finds it.
constexpr int Scales[] = {1, 2, 3};

QString atScale(const QString& path, int scale)
{
    if (scale == 1)
        return path;
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    return path.left(dot) + QStringLiteral("@%1x").arg(scale) + path.mid(dot);
}

void writeImages(Writer& out, int scale)
{
    const auto png = [&](const QString& path, const QImage& image) { out.png(atScale(path, scale), image); };
    const TileSet tiles = scaleTiles(makeTiles(), scale);
    for (int t = 0; t < 8; ++t)
        png(QStringLiteral("images/tile%1.png").arg(t), tiles[t]);
    for (int t = 1; t < 8; ++t)
        png(QStringLiteral("images/next%1.png").arg(t), makePreview(tiles, t));

    png(QStringLiteral("images/background.png"), makeMainBackground(scale));
    png(QStringLiteral("images/intro.png"), makeIntro(tiles));
    png(QStringLiteral("images/button_up.png"), makeMenuButton(Face::Released, scale));
    png(QStringLiteral("images/button_down.png"), makeMenuButton(Face::Pressed, scale));
    png(QStringLiteral("images/options_background.png"), makeOptionsBackground(scale));
    png(QStringLiteral("images/highscore_title.png"), makeHighScoreTitle(scale));
    png(QStringLiteral("images/icon.png"), makeIcon(32, scale));
    if (scale == 1) // the desktop's own icon, which the desktop scales itself
        png(QStringLiteral("images/icon256.png"), makeIcon(256));
}

void writeSkin(Writer& out, int scale)
{
    const auto bmp = [&](const QString& path, const QImage& image) { out.bmp(atScale(path, scale), image); };
    bmp(QStringLiteral("skin/FM.bmp"), makeHighScoreBackground(scale));
    bmp(QStringLiteral("skin/OK.bmp"), makeSkinButton({95, 23}, QStringLiteral("OK"), Face::Released, scale));
    bmp(QStringLiteral("skin/ABBRECHEN.bmp"),
        makeSkinButton({95, 23}, QStringLiteral("Abbrechen"), Face::Released, scale));
    bmp(QStringLiteral("skin/SCHLIESSEN.bmp"),
        makeSkinButton({95, 23}, QString::fromUtf8("Schlie\u00dfen"), Face::Released, scale));
    bmp(QStringLiteral("skin/REVERSE.bmp"), makeSkinButton({95, 23}, QString(), Face::Pressed, scale));
    bmp(QStringLiteral("skin/KLEIN.bmp"), makeTitleButton(Glyph::Minimise, Face::Released, scale));
    bmp(QStringLiteral("skin/RKLEIN.bmp"), makeTitleButton(Glyph::Minimise, Face::Pressed, scale));
    bmp(QStringLiteral("skin/EXIT.bmp"), makeTitleButton(Glyph::Close, Face::Released, scale));
    bmp(QStringLiteral("skin/REXIT.bmp"), makeTitleButton(Glyph::Close, Face::Pressed, scale));
}

} // namespace

int main(int argc, char** argv)
{
    // The pictures need fonts but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: gen_art <resource folder>\n");
        return 2;
    }
    reportFonts();

    Writer out(QString::fromLocal8Bit(argv[1]));
    for (const int scale : Scales) {
        writeImages(out, scale);
        writeSkin(out, scale);
    }
    writeIconTheme(out);
    return out.ok() ? 0 : 1;
}
