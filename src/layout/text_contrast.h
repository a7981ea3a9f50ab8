#pragma once

namespace tallies {

// A colour as red, green, blue, 0 to 255 each.
struct Rgb {
  int red, green, blue;
  friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

// The least contrast between text and its background that stays readable for most people
// (the WCAG 2 figure for normal text).
inline constexpr double kMinimumTextContrast = 4.5;

// The contrast ratio of two colours by WCAG 2: (lighter + 0.05) / (darker + 0.05) of their
// relative luminances, from 1 (same) to 21 (black on white).
double ContrastRatio(Rgb a, Rgb b);

// The text colour for a background: `preferred` when it keeps kMinimumTextContrast, otherwise
// black or white, whichever contrasts more.
Rgb ReadableTextColour(Rgb background, Rgb preferred);

}  // namespace tallies
