#include "numeric/circular.h"

#include <gtest/gtest.h>
#include <quadmath.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "numeric/char_conv.h"

// Sine and Cosine against an independent oracle: the 113-bit sinq and cosq of
// GCC's quadmath library, rounded to a Double. A correctly rounded result
// equals the oracle's bit for bit (the oracle could only misround where the
// exact value lies within 2^-112 of a midpoint between two Doubles).

namespace tallies {
namespace {

std::uint64_t Bits(double x) { return BitCast<std::uint64_t>(x); }

std::string Hex(double x) {
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%a", x);
  return buffer;
}

double OracleSine(double x) { return static_cast<double>(sinq(static_cast<__float128>(x))); }
double OracleCosine(double x) { return static_cast<double>(cosq(static_cast<__float128>(x))); }

// Counts the arguments whose Sine or Cosine differ from the oracle, reporting
// the first few.
int Mismatches(const std::vector<double>& arguments) {
  int count = 0;
  for (const double x : arguments) {
    const bool sineOk = Bits(Sine(x)) == Bits(OracleSine(x));
    const bool cosineOk = Bits(Cosine(x)) == Bits(OracleCosine(x));
    if (!sineOk || !cosineOk) {
      if (++count <= 10) {
        ADD_FAILURE() << "x = " << Hex(x) << ": Sine " << Hex(Sine(x)) << " oracle "
                      << Hex(OracleSine(x)) << ", Cosine " << Hex(Cosine(x)) << " oracle "
                      << Hex(OracleCosine(x));
      }
    }
  }
  return count;
}

// Known values, each worked out to 5000 bits and rounded once, that pin the
// oracle itself as well as the functions.
TEST(Circular, KnownValues) {
  struct Case {
    double x, sine, cosine;
  };
  const std::vector<Case> cases{
      {0x1.0f0cf064dd592p+73, -0x1.b453ab76bf397p-1, 0x1.0be2cef01c8f4p-1},  // 1E22
      {0x1.fffffffffffffp+1023, 0x1.452fc98b34e97p-8, -0x1.fffe62ecfab75p-1},
      {0x1.921fb54442d18p+0, 0x1.0000000000000p+0, 0x1.1a62633145c07p-54},   // pi/2
      {0x1.921fb54442d18p+1, 0x1.1a62633145c07p-53, -0x1.0000000000000p+0},  // pi
      {0x1.921fb54442d18p+2, -0x1.1a62633145c07p-52, 0x1.0000000000000p+0},  // 2 pi
      // The Double nearest to a multiple of pi/2 (6381956970095103 * 2^797).
      {0x1.6ac5b262ca1ffp+849, 0x1.0000000000000p+0, -0x1.14ae72e6ba22fp-61},
      {3.14159265358979, 0x1.d1a62633145c0p-49, -0x1.0000000000000p+0},
      {1.0, 0x1.aed548f090ceep-1, 0x1.14a280fb5068cp-1},
      {0.5, 0x1.eaee8744b05f0p-2, 0x1.c1528065b7d50p-1},
      {1E300, -0x1.a2c16b010e385p-1, -0x1.2699022adc4c1p-1},
      {0x1p+1023, 0x1.205248cbdb760p-1, -0x1.a719f26c232bfp-1},
      {1E-5, 0x1.4f8b588e1e8a2p-17, 0x1.ffffffff920c8p-1},
      {355.0, -0x1.f9bd0307d1de3p-16, -0x1.fffffffc18e4cp-1},
      {103993.0, -0x1.40efdf1eb8de7p-16, 0x1.fffffffe6da77p-1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Hex(c.x));
    EXPECT_EQ(Hex(Sine(c.x)), Hex(c.sine));
    EXPECT_EQ(Hex(Cosine(c.x)), Hex(c.cosine));
    EXPECT_EQ(Hex(Sine(-c.x)), Hex(-c.sine));
    EXPECT_EQ(Hex(Cosine(-c.x)), Hex(c.cosine));
    EXPECT_EQ(Hex(OracleSine(c.x)), Hex(c.sine));
    EXPECT_EQ(Hex(OracleCosine(c.x)), Hex(c.cosine));
  }
}

TEST(Circular, ZerosKeepTheirSignInTheSine) {
  EXPECT_EQ(Bits(Sine(0.0)), Bits(0.0));
  EXPECT_EQ(Bits(Sine(-0.0)), Bits(-0.0));
  EXPECT_EQ(Cosine(0.0), 1.0);
  EXPECT_EQ(Cosine(-0.0), 1.0);
}

TEST(Circular, NanAndInfinityGiveNan) {
  constexpr double kInf = std::numeric_limits<double>::infinity();
  for (const double x : {kInf, -kInf, std::numeric_limits<double>::quiet_NaN()}) {
    SCOPED_TRACE(Hex(x));
    EXPECT_TRUE(std::isnan(Sine(x)));
    EXPECT_TRUE(std::isnan(Cosine(x)));
  }
}

// Arguments where an implementation is most likely to slip: tiny and subnormal
// values, the edges of the fast paths, Doubles next to multiples of pi/2, the
// edge of the moderate reduction, huge values and the largest Double.
TEST(Circular, HardArgumentsMatchTheOracle) {
  std::vector<double> xs{DBL_TRUE_MIN,
                         DBL_MIN,
                         0x1.fffffffffffffp-1023,
                         1E-300,
                         1E-20,
                         1E-10,
                         0x1p-27,
                         0x1p-26,
                         0x1.fffffffffffffp-27,
                         0x1.fffffffffffffp-28,
                         1E-8,
                         0x1.921fb54442d18p-1,
                         0x1.921fb54442d19p-1,
                         0x1.921fb54442d17p-1,
                         0x1p22,
                         0x1.fffffffffffffp21,
                         0x1.0000000000001p22,
                         1E22,
                         1E15,
                         1E100,
                         1E200,
                         1E300,
                         1E308,
                         DBL_MAX,
                         0x1p1023,
                         0x1p1000,
                         0x1p100,
                         0x1p60,
                         6381956970095103.0 * 0x1p797,
                         5.319372648326541e+255};
  // Neighbours of k * pi/2 for small and large k.
  constexpr double kHalfPi = 0x1.921fb54442d18p+0;
  for (double k = 1; k < 1E6; k = k * 3 + 1) {
    const double x = k * kHalfPi;
    xs.push_back(x);
    xs.push_back(std::nextafter(x, 0.0));
    xs.push_back(std::nextafter(x, DBL_MAX));
  }
  // The radians of the force calculator, 0 to 360 degrees in steps of 0.25.
  for (int quarter = 0; quarter <= 4 * 360; ++quarter) {
    xs.push_back(quarter / 4.0 / 180 * 3.14159265358979);
  }
  const std::size_t positives = xs.size();
  for (std::size_t i = 0; i < positives; ++i) xs.push_back(-xs[i]);
  EXPECT_EQ(Mismatches(xs), 0) << "of " << xs.size() << " arguments";
}

// Random Doubles with a fixed seed, over all bit patterns and over ranges of
// everyday sizes. Also measures how often the platform's own sin and cos
// differ (printed, not asserted: that is the platform's business).
TEST(Circular, RandomArgumentsMatchTheOracle) {
  std::mt19937_64 random(20240611);
  std::vector<double> xs;
  constexpr int kPerKind = 60000;
  for (int i = 0; i < kPerKind; ++i) {
    double x;
    do {
      x = BitCast<double>(random());
    } while (!std::isfinite(x));
    xs.push_back(x);
  }
  for (const double limit : {1.0, 10.0, 1000.0, 0x1p24}) {
    std::uniform_real_distribution<double> range(-limit, limit);
    for (int i = 0; i < kPerKind; ++i) xs.push_back(range(random));
  }
  EXPECT_EQ(Mismatches(xs), 0) << "of " << xs.size() << " arguments";

  int sinDiffers = 0;
  int cosDiffers = 0;
  for (const double x : xs) {
    sinDiffers += Bits(std::sin(x)) != Bits(Sine(x));
    cosDiffers += Bits(std::cos(x)) != Bits(Cosine(x));
  }
  std::printf(
      "[ measure  ] std::sin differs from Sine for %d of %zu arguments, std::cos from "
      "Cosine for %d\n",
      sinDiffers, xs.size(), cosDiffers);
  RecordProperty("std_sin_differs", sinDiffers);
  RecordProperty("std_cos_differs", cosDiffers);
}

}  // namespace
}  // namespace tallies
