// The pictures with a transparent background: the lettering above the
// high-score list and the program's icon.

#pragma once

#include <QImage>

namespace art {

// "High Score" in a script face, shrunk to fit if the face found is wide.
QImage makeHighScoreTitle();

// The icon's layout, four rows of four cells from the top; a digit is the
// tile type of a block, a dot an empty cell.
extern const char* const IconRows[4];

// A T piece landing on a small stack. At 32 pixels every block is crisp 8 x 8
// pixel art; at larger sizes the blocks are rounded and shaded.
QImage makeIcon(int size);

} // namespace art
