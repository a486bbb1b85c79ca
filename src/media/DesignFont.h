#pragma once

#include <QFont>

// The windows were designed around "MS Sans Serif"; where it is missing the
// system's sans-serif stands in at the same pixel size.
QFont DesignFont(int pixelSize, QFont::Weight weight = QFont::Normal);

// Registers the font the program brings along, DejaVu Sans in its normal and
// bold weights, for DesignFont to fall back on where neither Windows face is
// installed. Called once the application exists, by main() and the tests.
void RegisterDesignFont();
