#include "numeric/number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "numeric/field_number.h"

namespace tallies {
namespace {

struct SingleCase {
  float value;
  const char* expected;
};

class FormatSingleTest : public ::testing::TestWithParam<SingleCase> {};

TEST_P(FormatSingleTest, ShowsAtMostSevenDigits) {
  EXPECT_EQ(FormatSingle(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, FormatSingleTest,
    ::testing::Values(SingleCase{1.0f / 3.0f, "0.3333333"}, SingleCase{123456789.0f, "1.234568E+08"},
                      SingleCase{0.1f, "0.1"}, SingleCase{2.0f, "2"}, SingleCase{2.5f, "2.5"},
                      SingleCase{100.0f, "100"}, SingleCase{7.0685835f, "7.068583"},
                      SingleCase{12345678.0f, "1.234568E+07"}, SingleCase{9999999.0f, "9999999"},
                      SingleCase{-8.751458f, "-8.751458"}, SingleCase{-0.0f, "0"},
                      SingleCase{0.0f, "0"}, SingleCase{0.5f, "0.5"}, SingleCase{0.0001f, "0.0001"},
                      SingleCase{0.00001f, "1E-05"}, SingleCase{3.2e-12f, "3.2E-12"},
                      SingleCase{3.4028235e38f, "3.402823E+38"},
                      SingleCase{1e-45f, "1.401298E-45"}, SingleCase{14137.17f, "14137.17"}));

struct DoubleCase {
  double value;
  const char* expected;
};

class FormatDoubleTest : public ::testing::TestWithParam<DoubleCase> {};

TEST_P(FormatDoubleTest, ShowsAtMostFifteenDigits) {
  EXPECT_EQ(FormatDouble(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, FormatDoubleTest,
    ::testing::Values(DoubleCase{1.0 / 3.0, "0.333333333333333"},
                      DoubleCase{static_cast<double>(0.1f), "0.100000001490116"},
                      DoubleCase{0.5, "0.5"}, DoubleCase{1e15, "1E+15"},
                      DoubleCase{999999999999999.0, "999999999999999"},
                      DoubleCase{100.0 / 25.4, "3.93700787401575"},
                      DoubleCase{(0.0 - 32.0) / 1.8, "-17.7777777777778"},
                      DoubleCase{37.0 * 1.8 + 32.0, "98.6"}, DoubleCase{-0.0, "0"},
                      DoubleCase{1e308, "1E+308"}, DoubleCase{1e-300, "1E-300"},
                      DoubleCase{-459.4, "-459.4"}, DoubleCase{25.4, "25.4"}));

TEST(FormatSeparator, UsesTheRegionalSeparatorAndNoGrouping) {
  EXPECT_EQ(FormatSingle(2.5f, ","), "2,5");
  EXPECT_EQ(FormatSingle(7.0685835f, ","), "7,068583");
  EXPECT_EQ(FormatDouble(1234567.25, ","), "1234567,25");
  EXPECT_EQ(FormatSingle(123456789.0f, ","), "1,234568E+08");
  EXPECT_EQ(FormatDouble(2.0, ","), "2");
  EXPECT_EQ(FormatDouble(0.25, "\xd9\xab"), "0\xd9\xab" "25");
}

TEST(FormatSeparator, WhatIsWrittenReadsBackWhole) {
  for (const char* sep : {".", ","}) {
    EXPECT_EQ(ParseFieldNumber(FormatSingle(2.5f, sep), sep), 2.5) << sep;
    EXPECT_EQ(static_cast<float>(ParseFieldNumber(FormatSingle(7.0685835f, sep), sep)), 7.068583f)
        << sep;
  }
}

std::string PrintfG(double value, int digits) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*G", digits, value);
  std::string text = buffer;
  return text == "-0" ? "0" : text;
}

// printf's %G is an independent implementation of the same rule: the output
// must agree to the character on values spread over the whole range.
TEST(FormatOracle, AgreesWithPrintfOnRandomValues) {
  std::mt19937_64 rng(20261208);
  std::uniform_int_distribution<std::uint64_t> bits64;
  std::uniform_int_distribution<std::uint32_t> bits32;
  std::uniform_real_distribution<double> exponent(-30.0, 30.0);
  std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
  int checked = 0;
  for (int i = 0; i < 200000; ++i) {
    // Half of the values are arbitrary bit patterns, half lie where results live.
    double d;
    float f;
    if (i % 2 == 0) {
      std::uint64_t b = bits64(rng);
      std::memcpy(&d, &b, sizeof d);
      std::uint32_t c = bits32(rng);
      std::memcpy(&f, &c, sizeof f);
    } else {
      d = mantissa(rng) * std::pow(10.0, exponent(rng));
      f = static_cast<float>(d);
    }
    if (std::isfinite(d)) {
      ASSERT_EQ(FormatDouble(d), PrintfG(d, 15)) << "bits of " << d;
      ++checked;
    }
    if (std::isfinite(f)) {
      ASSERT_EQ(FormatSingle(f), PrintfG(static_cast<double>(f), 7)) << "bits of " << f;
      ++checked;
    }
  }
  EXPECT_GT(checked, 390000);
}

TEST(FormatOracle, BoundariesOfThePlainForm) {
  // The switch to scientific form sits where %G puts it, after rounding.
  EXPECT_EQ(FormatSingle(0.0001f), "0.0001");
  EXPECT_EQ(FormatSingle(0.000099999f), "9.9999E-05");
  EXPECT_EQ(FormatSingle(9999999.0f), "9999999");
  EXPECT_EQ(FormatSingle(9999999.5f), "1E+07");
  EXPECT_EQ(FormatDouble(0.00009999999999999995), "0.0001");
  EXPECT_EQ(FormatDouble(99999999999999.9), "99999999999999.9");
  EXPECT_EQ(FormatDouble(999999999999999.9), "1E+15");
}

TEST(FormatDoubleRange, TheLargestDoublesShowATextThatReadsBack) {
  // Rounded to 15 digits the largest Doubles would show 1.79769313486232E+308,
  // beyond the Double range: written into a field, that text could not be read.
  const double largest = std::numeric_limits<double>::max();
  for (double value : {largest, std::nextafter(largest, 0.0), 1.7976931348623151e308}) {
    for (double signedValue : {value, -value}) {
      const std::string text = FormatDouble(signedValue, ",");
      EXPECT_EQ(text, signedValue < 0 ? "-1,79769313486231E+308" : "1,79769313486231E+308");
      double readBack = 0;
      ASSERT_NO_THROW(readBack = ParseFieldNumber(text, ",")) << text;
      EXPECT_EQ(FormatDouble(readBack, ","), text);
    }
  }
  // Below that edge the ordinary rounding holds, and infinities keep their texts.
  EXPECT_EQ(FormatDouble(1.797693134862314e308), "1.79769313486231E+308");
  EXPECT_EQ(FormatDouble(1.79769313486229e308), "1.79769313486229E+308");
  EXPECT_EQ(FormatDouble(-std::numeric_limits<double>::infinity()), "-INF");
}

TEST(FormatOracle, NonFiniteValuesHaveFixedTexts) {
  EXPECT_EQ(FormatDouble(std::numeric_limits<double>::infinity()), "INF");
  EXPECT_EQ(FormatDouble(-std::numeric_limits<double>::infinity()), "-INF");
  EXPECT_EQ(FormatSingle(std::numeric_limits<float>::quiet_NaN()), "NAN");
}

}  // namespace
}  // namespace tallies
