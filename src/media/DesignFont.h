#pragma once

#include <QFont>

// The windows were designed around "MS Sans Serif"; where it is missing the
// system's sans-serif stands in at the same pixel size.
QFont DesignFont(int pixelSize, QFont::Weight weight = QFont::Normal);

// Adds the font the program brings along, DejaVu Sans regular and bold, to the
// application's fonts where the system does not have that face already (as
// Windows does not): on a Linux desktop it does, and loading a second copy
// would only cost memory. Call once, after the application is made.
void RegisterDesignFonts();
