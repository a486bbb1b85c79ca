// The backgrounds of the three skinned windows: the main window, the
// high-score window and the options dialog.

#pragma once

#include <QImage>

namespace art {

QImage makeMainBackground();
QImage makeHighScoreBackground();
QImage makeOptionsBackground();

} // namespace art
