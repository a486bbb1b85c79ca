// The picture the well shows before the first game: a night sky with falling
// pieces, a nearly full stack, the game's name and a hint how to start.

#pragma once

#include "Tiles.h"

#include <QImage>

namespace art {

// Painted at the scale the tiles were enlarged to.
QImage makeIntro(const TileSet& tiles);

} // namespace art
