#pragma once

// What a test needs to judge whether text is readable: the WCAG 2 contrast
// ratio (worked out here on its own, not with the program's helper), the
// colour a widget's background really shows, and the colours a drawing holds.

#include <QColor>
#include <QImage>
#include <QPalette>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <map>

#include "qtapp/desktop_palettes.h"

namespace tallies::testing {

inline constexpr double kReadable = 4.5;

inline double Wcag(const QColor& a, const QColor& b) {
  auto luminance = [](const QColor& c) {
    auto channel = [](int value) {
      const double v = value / 255.0;
      return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
  };
  const double x = luminance(a.toRgb());
  const double y = luminance(b.toRgb());
  return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

// A desktop theme whose own pairs clash: light text on light tooltips and
// buttons, dark text on dark fields and windows.
inline QPalette ClashingPalette() {
  QPalette palette = LightDesktopPalette();
  palette.setColor(QPalette::Window, QColor(60, 60, 60));
  palette.setColor(QPalette::WindowText, QColor(90, 90, 90));
  palette.setColor(QPalette::Base, QColor(40, 40, 40));
  palette.setColor(QPalette::Text, QColor(70, 70, 70));
  palette.setColor(QPalette::Button, QColor(230, 230, 230));
  palette.setColor(QPalette::ButtonText, QColor(250, 250, 250));
  palette.setColor(QPalette::ToolTipBase, QColor(255, 255, 220));
  palette.setColor(QPalette::ToolTipText, QColor(255, 255, 255));
  palette.setColor(QPalette::Highlight, QColor(200, 220, 255));
  palette.setColor(QPalette::HighlightedText, QColor(255, 255, 255));
  return palette;
}

struct NamedPalette {
  const char* name;
  QPalette (*palette)();
};

inline const NamedPalette kDesktopPalettes[] = {
    {"light", &LightDesktopPalette},
    {"dark", &DarkDesktopPalette},
    {"clashing", &ClashingPalette},
};

// The colour a widget's background shows: its own when it fills it, else
// that of the nearest parent that does (or of its window).
inline QColor ShownBackground(const QWidget* widget) {
  while (widget->parentWidget() && !widget->autoFillBackground() && !widget->isWindow()) {
    widget = widget->parentWidget();
  }
  return widget->palette().color(widget->backgroundRole());
}

// The colour most pixels of an area of a drawing have: what the text is drawn on.
inline QColor MostFrequentColour(const QImage& image, const QRect& area) {
  std::map<QRgb, int> counts;
  const QRect inside = area.intersected(image.rect());
  for (int y = inside.top(); y <= inside.bottom(); ++y) {
    for (int x = inside.left(); x <= inside.right(); ++x) ++counts[image.pixel(x, y) | 0xff000000u];
  }
  auto best = std::max_element(counts.begin(), counts.end(),
                               [](const auto& a, const auto& b) { return a.second < b.second; });
  return best == counts.end() ? QColor() : QColor::fromRgb(best->first);
}

// The pixel of an area that stands out most from a background colour: the
// core of the drawn text.
inline QColor StrongestColour(const QImage& image, const QRect& area, const QColor& background) {
  QColor strongest = background;
  const QRect inside = area.intersected(image.rect());
  for (int y = inside.top(); y <= inside.bottom(); ++y) {
    for (int x = inside.left(); x <= inside.right(); ++x) {
      const QColor pixel = QColor::fromRgb(image.pixel(x, y) | 0xff000000u);
      if (Wcag(pixel, background) > Wcag(strongest, background)) strongest = pixel;
    }
  }
  return strongest;
}

}  // namespace tallies::testing
