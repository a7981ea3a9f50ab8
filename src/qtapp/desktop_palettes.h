#pragma once

#include <QPalette>

namespace tallies {

// Palettes of two typical desktops, for pictures of the window and for
// checking that every text stays readable: a light one (Qt's Fusion colours,
// pale yellow tooltips) and a dark one (dark grey windows, fields and
// buttons with light text, near-black tooltips), as a dark desktop theme
// hands them to the program.
QPalette LightDesktopPalette();
QPalette DarkDesktopPalette();

}  // namespace tallies
