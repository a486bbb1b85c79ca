// The pictures with a transparent background: the lettering above the
// high-score list and the program's icon.

#pragma once

#include <QColor>
#include <QImage>

#include <functional>

namespace art {

// "High Score" in a script face, shrunk to fit if the face found is wide.
QImage makeHighScoreTitle(int scale);

// Calls `stone(row, column, colour)` for every block of the icon's layout,
// four rows of four cells from the top, each block in its tile's colour.
void forEachIconStone(const std::function<void(int row, int column, const QColor& colour)>& stone);

// A T piece landing on a small stack. At 32 pixels every block is crisp 8 x 8
// pixel art; at larger sizes the blocks are rounded and shaded.
// The scale paints the same icon more finely (the high-score window shows the
// 32-pixel one on screens of every scale).
QImage makeIcon(int size, int scale = 1);

} // namespace art
