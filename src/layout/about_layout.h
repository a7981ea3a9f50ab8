#pragma once

#include <span>
#include <string_view>

#include "layout/control_layout.h"

namespace tallies {

// The About box as its window design lays it out, in twips. Labels and lines take no focus;
// the buttons' tab order puts OK first.
inline constexpr int kAboutClientWidth = 5730;
inline constexpr int kAboutClientHeight = 3555;

// The icon is drawn at its own size, 32 by 32 pixels, from the picture box's corner.
inline constexpr int kAboutIconPixels = 32;

// The box's controls. lblDescription and lblDisclaimer are filled from the About texts when
// the box is built; lblTitle and lblVersion are replaced when it loads.
std::span<const ControlRow> AboutControls();

// One line of the etched separator, from (x1, y) to (x2, y) in twips, `thickness` pixels
// thick, in one colour.
struct AboutLine {
  std::string_view name;
  int x1, x2, y;
  int thickness;
  int red, green, blue;
};
std::span<const AboutLine> AboutLines();

}  // namespace tallies
