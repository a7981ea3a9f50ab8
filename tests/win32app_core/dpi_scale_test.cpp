#include "win32app/core/dpi_scale.h"

#include <gtest/gtest.h>

#include <vector>

namespace tallies {
namespace {

struct ScaleCase {
  int pixels, dpi, expected;
};

TEST(DpiScale, RoundsToTheNearestPixel) {
  const std::vector<ScaleCase> cases{
      {459, 96, 459}, {459, 192, 918}, {459, 144, 689},                 // 688.5 rounds up
      {17, 120, 21},                                                    // 21.25
      {1, 144, 2},    {0, 192, 0},     {-16, 144, -24}, {-1, 144, -2},  // halves away from 0
  };
  for (const ScaleCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.pixels << " px at " << c.dpi << " dpi");
    EXPECT_EQ(ScaleForDpi(c.pixels, c.dpi), c.expected);
  }
}

TEST(DpiScale, PlacesTwipsRectanglesEdgeToEdge) {
  // The main window's client area at 100 % and 200 %.
  const PixelRect at100 = TwipsToDevicePixels(2490, 1935, 6885, 6060, 96);
  EXPECT_EQ(at100.left, 166);
  EXPECT_EQ(at100.top, 129);
  EXPECT_EQ(at100.width, 459);
  EXPECT_EQ(at100.height, 404);
  const PixelRect at200 = TwipsToDevicePixels(2490, 1935, 6885, 6060, 192);
  EXPECT_EQ(at200.left, 332);
  EXPECT_EQ(at200.width, 918);
  // At 150 % two controls that meet at 96 dots per inch still meet: txtin1 ends where
  // Command2 begins only after the gap the design leaves, so compare a design's own edges.
  const PixelRect left = TwipsToDevicePixels(0, 0, 1335, 255, 144);
  const PixelRect right = TwipsToDevicePixels(1335, 0, 1335, 255, 144);
  EXPECT_EQ(left.left + left.width, right.left);
  // The banner starts left of the window and stays whole pixels to the left when scaled.
  EXPECT_EQ(TwipsToDevicePixels(-240, 0, 7200, 720, 144).left, -24);
}

TEST(DpiScale, FontHeights) {
  EXPECT_EQ(FontHeightForDpi(8, 96), -11);  // 10.67 rounds to 11
  EXPECT_EQ(FontHeightForDpi(8, 144), -16);
  EXPECT_EQ(FontHeightForDpi(8, 192), -21);  // 21.33
}

}  // namespace
}  // namespace tallies
