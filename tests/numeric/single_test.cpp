#include "numeric/single.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "numeric/arithmetic_fault.h"
#include "numeric/number_format.h"

namespace tallies {
namespace {

TEST(NarrowToSingle, RoundsToNearestEven) {
  EXPECT_EQ(NarrowToSingle(0.1), 0.1f);
  EXPECT_EQ(NarrowToSingle(7.068583470577034), 7.0685835f);
  // 1 + 2^-24 lies halfway between 1 and the next Single: it goes to the even 1.
  EXPECT_EQ(NarrowToSingle(1.0 + std::ldexp(1.0, -24)), 1.0f);
  EXPECT_EQ(NarrowToSingle(1.0 + 3 * std::ldexp(1.0, -24)), 1.0f + std::ldexp(1.0f, -22));
}

TEST(NarrowToSingle, BeyondTheSingleRangeIsAnOverflowFault) {
  const double largest = std::numeric_limits<float>::max();
  EXPECT_EQ(NarrowToSingle(largest), std::numeric_limits<float>::max());
  EXPECT_EQ(NarrowToSingle(-largest), -std::numeric_limits<float>::max());
  // Just below the halfway point to 2^128 still rounds down to the largest Single.
  EXPECT_EQ(NarrowToSingle(std::nextafter(0x1.ffffffp+127, 0.0)), std::numeric_limits<float>::max());
  for (double v : {1e39, -1e39, 0x1.ffffffp+127, std::numeric_limits<double>::infinity(), 1e308}) {
    try {
      NarrowToSingle(v);
      ADD_FAILURE() << "no fault for " << v;
    } catch (const ArithmeticFault& fault) {
      EXPECT_EQ(fault.kind(), FaultKind::kOverflow) << v;
    }
  }
}

TEST(NarrowToSingle, TooSmallBecomesSubnormalOrZeroWithoutFault) {
  EXPECT_EQ(NarrowToSingle(1e-46), 0.0f);
  EXPECT_EQ(NarrowToSingle(1e-40), static_cast<float>(1e-40));
  EXPECT_GT(NarrowToSingle(1e-40), 0.0f);
}

TEST(NarrowToSingle, NanIsAnInvalidOperation) {
  try {
    NarrowToSingle(std::numeric_limits<double>::quiet_NaN());
    ADD_FAILURE();
  } catch (const ArithmeticFault& fault) {
    EXPECT_EQ(fault.kind(), FaultKind::kInvalidOperation);
  }
}

struct RoundCase {
  double value;
  int places;
  double expected;
};

class RoundDoubleTest : public ::testing::TestWithParam<RoundCase> {};

TEST_P(RoundDoubleTest, HalvesGoToEven) {
  const RoundCase& c = GetParam();
  EXPECT_EQ(RoundToDecimals(c.value, c.places), c.expected) << c.value << " to " << c.places;
}

INSTANTIATE_TEST_SUITE_P(Examples, RoundDoubleTest,
                         ::testing::Values(RoundCase{2.5, 0, 2.0}, RoundCase{3.5, 0, 4.0},
                                           RoundCase{-2.5, 0, -2.0}, RoundCase{0.125, 2, 0.12},
                                           RoundCase{0.375, 2, 0.38},
                                           RoundCase{100.0 / 29.57353, 6, 3.381402},
                                           RoundCase{1000.0 / 907.1848, 6, 1.102311},
                                           RoundCase{1000.0 / 16.01846, 6, 62.427974},
                                           RoundCase{1e303, 6, 1e303}, RoundCase{-1e300, 6, -1e300},
                                           RoundCase{0.0, 6, 0.0}, RoundCase{1e-7, 6, 0.0}));

TEST(RoundToDecimals, SingleKeepsItsPrecision) {
  float r = RoundToDecimals(1.021138f, 5);
  EXPECT_EQ(r, 1.02114f);
  EXPECT_EQ(FormatSingle(r), "1.02114");
  EXPECT_EQ(RoundToDecimals(0.0000049f, 5), 0.0f);
  EXPECT_EQ(FormatSingle(RoundToDecimals(0.0000049f, 5)), "0");
  EXPECT_EQ(RoundToDecimals(3.4028235e38f, 5), 3.4028235e38f);
  EXPECT_EQ(RoundToDecimals(-1.000005f, 5), -1.00001f);
}

}  // namespace
}  // namespace tallies
