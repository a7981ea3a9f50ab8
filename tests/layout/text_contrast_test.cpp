#include "layout/text_contrast.h"

#include <gtest/gtest.h>

#include <vector>

namespace tallies {
namespace {

TEST(TextContrast, RatiosOfKnownPairs) {
  EXPECT_NEAR(ContrastRatio({0, 0, 0}, {255, 255, 255}), 21.0, 1e-9);
  EXPECT_NEAR(ContrastRatio({255, 255, 255}, {0, 0, 0}), 21.0, 1e-9);  // order does not matter
  EXPECT_NEAR(ContrastRatio({118, 118, 118}, {255, 255, 255}), 4.54, 0.01);
  EXPECT_NEAR(ContrastRatio({224, 224, 224}, {224, 224, 224}), 1.0, 1e-9);
}

struct ColourCase {
  Rgb background, preferred, expected;
};

TEST(TextContrast, KeepsAReadablePreferredColour) {
  const std::vector<ColourCase> cases{
      {{255, 255, 192}, {0, 0, 0}, {0, 0, 0}},        // results: black on light yellow
      {{224, 224, 224}, {0, 0, 0}, {0, 0, 0}},        // the window's grey
      {{255, 255, 225}, {0, 0, 0}, {0, 0, 0}},        // a tooltip colour
      {{0, 0, 0}, {255, 255, 0}, {255, 255, 0}},      // a high-contrast scheme's own pair
      {{224, 224, 224}, {160, 160, 160}, {0, 0, 0}},  // grey on grey is replaced by black
      {{0, 0, 128}, {0, 0, 0}, {255, 255, 255}},      // black on navy is replaced by white
      {{255, 255, 192}, {255, 255, 255}, {0, 0, 0}},  // white on yellow: black
  };
  for (const ColourCase& c : cases) {
    const Rgb chosen = ReadableTextColour(c.background, c.preferred);
    EXPECT_EQ(chosen, c.expected);
    EXPECT_GE(ContrastRatio(c.background, chosen), kMinimumTextContrast);
  }
}

}  // namespace
}  // namespace tallies
