#include "numeric/field_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "numeric/arithmetic_fault.h"

namespace tallies {
namespace {

struct ParseCase {
  const char* text;
  double expected;
};

class ParseFieldNumberTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseFieldNumberTest, ReadsTheLeadingNumber) {
  const ParseCase& c = GetParam();
  EXPECT_EQ(ParseFieldNumber(c.text), c.expected) << "text: [" << c.text << "]";
}

INSTANTIATE_TEST_SUITE_P(
    LeadingNumberRule, ParseFieldNumberTest,
    ::testing::Values(
        ParseCase{"", 0.0}, ParseCase{" ", 0.0}, ParseCase{"12", 12.0},
        ParseCase{"1 2 3", 123.0}, ParseCase{"\t1\n2 3", 123.0},
        ParseCase{"  -12.5kg", -12.5}, ParseCase{"1,5", 1.0}, ParseCase{"1e3", 1000.0},
        ParseCase{"1.5E3", 1500.0}, ParseCase{"1E+2", 100.0}, ParseCase{"25e-1", 2.5},
        ParseCase{"&H1F", 31.0}, ParseCase{"&h1f", 31.0}, ParseCase{"&H10", 16.0},
        ParseCase{"&O10", 8.0}, ParseCase{"&o17", 15.0}, ParseCase{".5", 0.5},
        ParseCase{"-.5", -0.5}, ParseCase{"+7", 7.0}, ParseCase{"10 gpm", 10.0},
        ParseCase{"12abc", 12.0}, ParseCase{"3.5.2", 3.5}, ParseCase{"abc", 0.0},
        ParseCase{"-", 0.0}, ParseCase{"+", 0.0}, ParseCase{".", 0.0}, ParseCase{"$5", 0.0},
        ParseCase{"--5", 0.0}, ParseCase{"+-5", 0.0}, ParseCase{"1E", 1.0},
        ParseCase{"1E+", 1.0}, ParseCase{"2e-x", 2.0}, ParseCase{"1 E 3", 1000.0},
        ParseCase{"5.", 5.0}, ParseCase{"0.1", 0.1}, ParseCase{"&H", 0.0},
        ParseCase{"&", 0.0}, ParseCase{"&X12", 0.0}, ParseCase{"&O9", 0.0},
        ParseCase{"&O78", 7.0}, ParseCase{"&HFFFF", 65535.0},
        ParseCase{"&HFFFFFFFF", 4294967295.0}, ParseCase{"& H 1 F", 31.0},
        ParseCase{"-&H10", 0.0}, ParseCase{"1e-400", 0.0}, ParseCase{"\r5", 0.0},
        ParseCase{"\xef\xbc\x95", 0.0} /* a full-width five is not a digit */,
        ParseCase{"7\xc2\xa0" "5", 7.0} /* a no-break space ends the number */,
        ParseCase{"0000000000000000000000000000001", 1.0},
        ParseCase{"1.79769313486231570e308", std::numeric_limits<double>::max()}));

TEST(ParseFieldNumber, NegativeZeroKeepsItsSign) {
  double v = ParseFieldNumber("-0");
  EXPECT_EQ(v, 0.0);
  EXPECT_TRUE(std::signbit(v));
}

TEST(ParseFieldNumber, TinyNumbersBecomeSubnormalOrZero) {
  EXPECT_EQ(ParseFieldNumber("4.9406564584124654e-324"), std::numeric_limits<double>::denorm_min());
  EXPECT_EQ(ParseFieldNumber("1e-330"), 0.0);
  EXPECT_EQ(ParseFieldNumber("0.000000000000000000001e-400"), 0.0);
}

TEST(ParseFieldNumber, HugeNumbersAreAnOverflowFault) {
  for (const char* text : {"1E400", "-1e309", "1e99999999999999999999", "&H1" /* + 256 zeros */}) {
    std::string t = text;
    if (t == "&H1") t += std::string(256, '0');
    try {
      ParseFieldNumber(t);
      ADD_FAILURE() << "no fault for " << t;
    } catch (const ArithmeticFault& fault) {
      EXPECT_EQ(fault.kind(), FaultKind::kOverflow) << t;
    }
  }
  // 255 hexadecimal zeros behind a 1 still fit a Double.
  EXPECT_EQ(ParseFieldNumber("&H1" + std::string(255, '0')), std::ldexp(1.0, 1020));
}

TEST(ParseFieldNumber, ExponentsAtTheEdgeOfTheirRangeKeepTheirDirection) {
  // Exponents at the limits of a 64-bit integer, and beyond it, must not wrap
  // around: a huge number is still an overflow, a tiny one still 0.
  const std::string longMax = "9223372036854775807";
  const std::string beyondLong = "99999999999999999999";
  for (const std::string& text :
       {"1e" + longMax, "-10e" + longMax, "123.5e+" + longMax,
        "0." + std::string(100001, '0') + "1e" + beyondLong}) {
    try {
      ParseFieldNumber(text);
      ADD_FAILURE() << "no fault for " << text.substr(0, 40);
    } catch (const ArithmeticFault& fault) {
      EXPECT_EQ(fault.kind(), FaultKind::kOverflow) << text.substr(0, 40);
    }
  }
  EXPECT_EQ(ParseFieldNumber("0.01e-" + longMax + "8"), 0.0);
  EXPECT_EQ(ParseFieldNumber("0.01e-9223372036854775808"), 0.0);
  EXPECT_TRUE(std::signbit(ParseFieldNumber("-0.01e-9223372036854775808")));
  EXPECT_EQ(ParseFieldNumber("1" + std::string(100001, '0') + "e-" + beyondLong), 0.0);
}

TEST(ParseFieldNumber, LongHexAndOctalRoundToNearest) {
  // 2^53 + 1 is not a Double; it rounds to the even neighbour 2^53.
  EXPECT_EQ(ParseFieldNumber("&H20000000000001"), 9007199254740992.0);
  EXPECT_EQ(ParseFieldNumber("&O400000000000000001"), 9007199254740992.0);
  EXPECT_EQ(ParseFieldNumber("&O777"), 511.0);
}

TEST(ParseFieldNumber, VeryLongTextIsReadWithoutTrouble) {
  std::string digits(100000, '9');
  EXPECT_THROW(ParseFieldNumber(digits), ArithmeticFault);
  std::string small = "0." + std::string(100000, '0') + "1";
  EXPECT_EQ(ParseFieldNumber(small), 0.0);
  std::string junk(100000, 'x');
  EXPECT_EQ(ParseFieldNumber("42" + junk), 42.0);
}

struct SeparatorCase {
  const char* separator;
  const char* text;
  double expected;
};

class RegionalSeparatorTest : public ::testing::TestWithParam<SeparatorCase> {};

TEST_P(RegionalSeparatorTest, AcceptsPointAndRegionalSeparator) {
  const SeparatorCase& c = GetParam();
  EXPECT_EQ(ParseFieldNumber(c.text, c.separator), c.expected)
      << "separator [" << c.separator << "] text [" << c.text << "]";
}

INSTANTIATE_TEST_SUITE_P(
    BothSettings, RegionalSeparatorTest,
    ::testing::Values(
        // Point settings: nothing changes, a comma ends the number.
        SeparatorCase{".", "1,5", 1.0}, SeparatorCase{".", "7.068583", 7.068583},
        // Comma settings: what the program writes reads back whole.
        SeparatorCase{",", "7,068583", 7.068583}, SeparatorCase{",", "2,5", 2.5},
        SeparatorCase{",", "2.5", 2.5}, SeparatorCase{",", "1,5E3", 1500.0},
        SeparatorCase{",", "1,5,3", 1.5}, SeparatorCase{",", "1.5,3", 1.5},
        SeparatorCase{",", ",25", 0.25}, SeparatorCase{",", "-1 , 5", -1.5},
        // A separator of several bytes (the Arabic decimal separator U+066B).
        SeparatorCase{"\xd9\xab", "3\xd9\xab" "25", 3.25}, SeparatorCase{"\xd9\xab", "3\xd9", 3.0},
        // A separator that could be part of a number is not taken as one.
        SeparatorCase{"e", "1e2", 100.0}, SeparatorCase{"", "1,5", 1.0}));

TEST(IsFieldEmpty, OnlyTheTextWithNoCharactersIsEmpty) {
  EXPECT_TRUE(IsFieldEmpty(""));
  EXPECT_FALSE(IsFieldEmpty(" "));
  EXPECT_FALSE(IsFieldEmpty("0"));
  EXPECT_FALSE(IsFieldEmpty("a"));
  EXPECT_FALSE(IsFieldEmpty("\t"));
}

}  // namespace
}  // namespace tallies
