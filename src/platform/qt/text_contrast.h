#pragma once

#include <QColor>
#include <QPalette>
#include <algorithm>
#include <cmath>

namespace tallies {

// Text must stand out from what it is drawn on by at least this contrast ratio
// (WCAG 2, normal text), on every desktop palette.
inline constexpr double kMinimumTextContrast = 4.5;

// The relative luminance of an opaque colour, from its sRGB channels.
inline double RelativeLuminance(const QColor& colour) {
  auto linear = [](double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
  };
  const QColor rgb = colour.toRgb();
  return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

// The contrast ratio of two colours, from 1 (the same) to 21 (black on white).
inline double ContrastRatio(const QColor& a, const QColor& b) {
  const double la = RelativeLuminance(a);
  const double lb = RelativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The colour to draw text in on `background`: the desktop's own text colour
// when it is readable there, else black or white, whichever stands out more
// (one of the two always reaches the minimum contrast).
inline QColor ReadableTextColour(const QColor& background, const QColor& preferred) {
  if (ContrastRatio(preferred, background) >= kMinimumTextContrast) return preferred;
  const QColor black(0, 0, 0);
  const QColor white(255, 255, 255);
  return ContrastRatio(black, background) >= ContrastRatio(white, background) ? black : white;
}

// The palette with every text colour readable on the background it belongs
// to (window, field, button, tooltip, selection), in the active and inactive
// groups; a desktop theme whose own pairs are readable keeps them unchanged.
// Disabled texts are meant to look faint and are left alone.
inline QPalette ReadablePalette(QPalette palette) {
  struct Pair {
    QPalette::ColorRole text;
    QPalette::ColorRole background;
  };
  constexpr Pair kPairs[] = {
      {QPalette::WindowText, QPalette::Window},
      {QPalette::Text, QPalette::Base},
      {QPalette::ButtonText, QPalette::Button},
      {QPalette::ToolTipText, QPalette::ToolTipBase},
      {QPalette::HighlightedText, QPalette::Highlight},
  };
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    for (const Pair& pair : kPairs) {
      const QColor background = palette.color(group, pair.background);
      palette.setColor(group, pair.text,
                       ReadableTextColour(background, palette.color(group, pair.text)));
    }
  }
  return palette;
}

}  // namespace tallies
