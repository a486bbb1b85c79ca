#pragma once

#include <QFont>

// The windows were designed around "MS Sans Serif"; where it is missing the
// system's sans-serif stands in at the same pixel size.
QFont DesignFont(int pixelSize, QFont::Weight weight = QFont::Normal);

// Registers the font the program brings along, DejaVu Sans in its normal and
// bold weights, so DesignFont finds it where the system has no face of its
// own (Windows, and Wine, have none of that name). Needs the application.
void RegisterDesignFont();
