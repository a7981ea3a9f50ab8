#pragma once

#include <QColor>
#include <QPalette>

#include "layout/text_contrast.h"

namespace tallies {

// The readability rule of every front-end (layout/text_contrast.h) over Qt's colours.
inline Rgb ToRgb(const QColor& colour) {
  const QColor rgb = colour.toRgb();
  return {rgb.red(), rgb.green(), rgb.blue()};
}

// The contrast ratio of two colours, from 1 (the same) to 21 (black on white).
inline double ContrastRatio(const QColor& a, const QColor& b) {
  return ContrastRatio(ToRgb(a), ToRgb(b));
}

// The colour to draw text in on `background`: the desktop's own text colour
// when it is readable there, else black or white, whichever stands out more
// (one of the two always reaches the minimum contrast).
inline QColor ReadableTextColour(const QColor& background, const QColor& preferred) {
  const Rgb text = ReadableTextColour(ToRgb(background), ToRgb(preferred));
  return text == ToRgb(preferred) ? preferred : QColor(text.red, text.green, text.blue);
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
