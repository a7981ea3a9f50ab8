#include "layout/text_contrast.h"

#include <algorithm>
#include <cmath>

namespace tallies {
namespace {

// One channel's linear light from its sRGB value.
double Linear(int channel) {
  const double c = channel / 255.0;
  return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(Rgb colour) {
  return 0.2126 * Linear(colour.red) + 0.7152 * Linear(colour.green) + 0.0722 * Linear(colour.blue);
}

}  // namespace

double ContrastRatio(Rgb a, Rgb b) {
  const double la = Luminance(a);
  const double lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Rgb ReadableTextColour(Rgb background, Rgb preferred) {
  if (ContrastRatio(background, preferred) >= kMinimumTextContrast) return preferred;
  constexpr Rgb kBlack{0, 0, 0};
  constexpr Rgb kWhite{255, 255, 255};
  return ContrastRatio(background, kBlack) >= ContrastRatio(background, kWhite) ? kBlack : kWhite;
}

}  // namespace tallies
