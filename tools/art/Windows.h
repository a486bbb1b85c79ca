// The backgrounds of the three skinned windows: the main window, the
// high-score window and the options dialog.

#pragma once

#include <QImage>

namespace art {

// Each is painted scale times as finely as its size in window pixels.
QImage makeMainBackground(int scale);
QImage makeHighScoreBackground(int scale);
QImage makeOptionsBackground(int scale);

} // namespace art
