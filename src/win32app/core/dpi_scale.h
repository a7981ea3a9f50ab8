#pragma once

#include "layout/twips.h"

namespace tallies {

// The designs' pixels are logical pixels at 96 dots per inch; the window layer scales them to
// the monitor's dots per inch.
inline constexpr int kDesignDpi = 96;

// From this many dots per inch on, the artwork drawn for twice the design size is used.
inline constexpr int kLargeArtworkDpi = 144;

// A length in logical pixels on a monitor of `dpi` dots per inch, rounded to the nearest pixel
// (halves away from zero), as the system's own scaling rounds.
constexpr int ScaleForDpi(int pixels, int dpi) {
  const long long scaled = static_cast<long long>(pixels) * dpi;
  const long long half = kDesignDpi / 2;
  return static_cast<int>(scaled >= 0 ? (scaled + half) / kDesignDpi
                                      : -((-scaled + half) / kDesignDpi));
}

// A rectangle designed in twips, placed on a monitor of `dpi` dots per inch: first the whole
// logical pixels of the design (TwipsToPixels), then the scaling. The right and bottom edges are
// scaled as edges, so controls that meet at 96 dots per inch still meet when scaled.
constexpr PixelRect TwipsToDevicePixels(int left, int top, int width, int height, int dpi) {
  const PixelRect logical = TwipsToPixels(left, top, width, height);
  const int x = ScaleForDpi(logical.left, dpi);
  const int y = ScaleForDpi(logical.top, dpi);
  return {x, y, ScaleForDpi(logical.left + logical.width, dpi) - x,
          ScaleForDpi(logical.top + logical.height, dpi) - y};
}

// The font height for `points` on a monitor of `dpi` dots per inch, as a negative character
// height (LOGFONT's convention for "this em size").
constexpr int FontHeightForDpi(int points, int dpi) {
  return -static_cast<int>((static_cast<long long>(points) * dpi + 36) / 72);
}

}  // namespace tallies
