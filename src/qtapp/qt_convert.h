#pragma once

#include <QRect>
#include <QString>
#include <string_view>

#include "layout/control_layout.h"

namespace tallies {

// The model's texts are UTF-8; Qt's are UTF-16.
inline QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A control's designed rectangle in logical pixels, the twips converted as in every window.
inline QRect ToPixels(const ControlRow& row) {
  const PixelRect place = TwipsToPixels(row.left, row.top, row.width, row.height);
  return {place.left, place.top, place.width, place.height};
}

}  // namespace tallies
