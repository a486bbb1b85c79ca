// The program's icon as a desktop installs it: one picture for every size the
// hicolor icon theme looks for, and a scalable SVG for any other size.

#pragma once

#include <QByteArray>
#include <QString>

#include <array>

namespace art {

class Writer;

// Edge lengths in pixels of the installed icon pictures.
inline constexpr std::array<int, 7> IconThemeSizes = {16, 32, 48, 64, 128, 256, 512};

// Edge lengths in pixels of the pictures in the Windows icon file.
inline constexpr std::array<int, 7> WindowsIconSizes = {16, 24, 32, 48, 64, 128, 256};

// The large icon's rounded blocks as an SVG document on a 256-unit square.
QByteArray makeIconSvg();

// The Windows icon file (.ico): one PNG-compressed picture for each of
// WindowsIconSizes, the smallest first, which Windows reads since Vista.
QByteArray makeWindowsIcon();

// Writes icons/fallox-<size>.png for every size, icons/fallox.svg and the
// Windows icon icons/fallox.ico.
void writeIconTheme(Writer& out);

} // namespace art
