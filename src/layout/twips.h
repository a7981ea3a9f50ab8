#pragma once

namespace tallies {

// Places and sizes are designed in twips (1/1440 inch); 15 twips make one logical pixel at
// 96 dots per inch. Every window of the program converts them the same way: the whole pixels
// a length covers, the remainder dropped (5654 twips are pixel 376), so the main window and
// the About box line up alike in every front-end.
inline constexpr int kTwipsPerPixel = 15;
constexpr int TwipsToPixels(int twips) {
  // Rounds towards minus infinity, so a control that starts left of its tab set (-240 twips)
  // stays whole pixels to the left as well.
  return twips >= 0 ? twips / kTwipsPerPixel : -((-twips + kTwipsPerPixel - 1) / kTwipsPerPixel);
}

// A rectangle in logical pixels, from one given in twips.
struct PixelRect {
  int left, top, width, height;
};
constexpr PixelRect TwipsToPixels(int left, int top, int width, int height) {
  return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

}  // namespace tallies
