#pragma once

#include <QFont>

// The windows were designed around "MS Sans Serif"; where it is missing the
// system's sans-serif stands in at the same pixel size.
QFont DesignFont(int pixelSize, QFont::Weight weight = QFont::Normal);
