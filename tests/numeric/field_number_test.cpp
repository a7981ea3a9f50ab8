#include "numeric/field_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <string_view>

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

// The text as UTF-8, so the cases below can name their characters by code point.
std::string Utf8(std::u32string_view text) {
  std::string out;
  for (char32_t c : text) {
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

struct ScriptCase {
  const char32_t* separator;
  const char32_t* text;
  double expected;
};

class AnyScriptTest : public ::testing::TestWithParam<ScriptCase> {};

TEST_P(AnyScriptTest, ReadsDigitsOfAnyScriptAndPassesOverInvisibleMarks) {
  const ScriptCase& c = GetParam();
  const std::string text = Utf8(c.text);
  EXPECT_EQ(ParseFieldNumber(text, Utf8(c.separator)), c.expected)
      << "separator [" << Utf8(c.separator) << "] text [" << text << "]";
}

INSTANTIATE_TEST_SUITE_P(
    MarksAndDigits, AnyScriptTest,
    ::testing::Values(
        // Format characters are passed over wherever they stand, as blanks are.
        ScriptCase{U".", U"1\u200F0", 10.0}, ScriptCase{U".", U"\u200F10\u200F", 10.0},
        ScriptCase{U".", U"1\u200E5\u061C0\u200B0", 1500.0},
        ScriptCase{U".", U"\u202B1500\u202C", 1500.0}, ScriptCase{U".", U"\u20661.5\u2069", 1.5},
        ScriptCase{U".", U"\uFEFF42", 42.0}, ScriptCase{U".", U"1\u00AD000", 1000.0},
        ScriptCase{U".", U"\u2060-\u200D3", -3.0}, ScriptCase{U".", U"-\u200F.5", -0.5},
        ScriptCase{U".", U"1\u200F.\u200F5", 1.5}, ScriptCase{U".", U"1\u200FE\u200F3", 1000.0},
        ScriptCase{U".", U"&\u200FH\u200F1F", 31.0}, ScriptCase{U".", U"4\U000E007F2", 42.0},
        // Other invisible or blank-looking characters still end the number.
        ScriptCase{U".", U"1\u200A0", 1.0} /* hair space */,
        ScriptCase{U".", U"1\u034F0", 1.0} /* combining grapheme joiner */,
        ScriptCase{U".", U"1\U000E00802", 1.0} /* after the last tag character */,
        // Decimal digits of any script, mixed too, in the mantissa and the exponent.
        ScriptCase{U".", U"\u0661\u0665\u0660\u0660", 1500.0},
        ScriptCase{U".", U"\u06F1\u06F5\u06F0\u06F0", 1500.0},
        ScriptCase{U".", U"\uFF11\uFF15\uFF10\uFF10", 1500.0}, ScriptCase{U".", U"\uFF15", 5.0},
        ScriptCase{U".", U"\u0967\u0968.\u096B", 12.5}, ScriptCase{U".", U"-\u09E9\u09EA", -34.0},
        ScriptCase{U".", U"\u0E57", 7.0}, ScriptCase{U".", U"\U0001D7CF\U0001D7D8", 10.0},
        ScriptCase{U".", U"\U0001E959", 9.0}, ScriptCase{U".", U"1\u0665\u06F0\uFF10", 1500.0},
        ScriptCase{U".", U"1.5E\u0663", 1500.0}, ScriptCase{U".", U"\u0662e-\u0661", 0.2},
        ScriptCase{U".", U"\u0661\u200F\u0660\u200F.\u0665", 10.5},
        // Number-like characters that are no decimal digits end the number.
        ScriptCase{U".", U"2\u00B2", 2.0} /* superscript two */,
        ScriptCase{U".", U"\u066A", 0.0} /* Arabic percent sign, next to the digits */,
        ScriptCase{U".", U"2\uFF45\uFF13", 2.0} /* a full-width e starts no exponent */,
        ScriptCase{U".", U"5\u066B5", 5.0} /* the Arabic decimal separator is not "." */,
        // &H and &O take ASCII digits only.
        ScriptCase{U".", U"&H\uFF11", 0.0}, ScriptCase{U".", U"&H1\u0661", 1.0},
        ScriptCase{U".", U"&O\u0667", 0.0},
        // The regional separator with digits of its script, and with marks in it.
        ScriptCase{U"\u066B", U"\u0663\u066B\u0662\u0665", 3.25},
        ScriptCase{U"\u200F,", U"1,5", 1.5}, ScriptCase{U",", U"1\u200F,\u200F5", 1.5},
        ScriptCase{U"\u0661", U"1\u06615", 115.0} /* a digit is no separator */));

struct BytesCase {
  const char* separator;
  std::string_view text;
  double expected;
};

class InvalidUtf8Test : public ::testing::TestWithParam<BytesCase> {};

TEST_P(InvalidUtf8Test, BytesThatAreNotUtf8EndTheNumber) {
  const BytesCase& c = GetParam();
  EXPECT_EQ(ParseFieldNumber(c.text, c.separator), c.expected)
      << "separator [" << c.separator << "] text [" << c.text << "]";
}

using namespace std::string_view_literals;
// clang-format off: a byte escape ends a literal, which the formatter would split over lines.
INSTANTIATE_TEST_SUITE_P(
    EveryKindOfInvalidSequence, InvalidUtf8Test,
    ::testing::Values(
        BytesCase{".", "1\xff" "2"sv, 1.0}, BytesCase{".", "1\x80" "2"sv, 1.0},
        BytesCase{".", "1\xc0\xb0"sv, 1.0} /* "0" written overlong */,
        BytesCase{".", "1\xe0\x80\xb0"sv, 1.0}, BytesCase{".", "1\xf0\x80\x80\xb0"sv, 1.0},
        BytesCase{".", "1\xf0\x82\x80\x8f" "0"sv, 1.0} /* a right-to-left mark written overlong */,
        BytesCase{".", "\xe0\x99\xa1"sv, 0.0} /* an Arabic-Indic one written overlong */,
        BytesCase{".", "1\xe2\x80" "0"sv, 1.0} /* a mark cut short */,
        BytesCase{".", "1\xed\xa0\x80" "2"sv, 1.0} /* a surrogate */,
        BytesCase{".", "1\xf4\x90\x80\x80" "2"sv, 1.0} /* beyond U+10FFFF */,
        BytesCase{".", "\xd9\xa1\xd9"sv, 1.0}, BytesCase{".", "7\0" "5"sv, 7.0},
        BytesCase{"\xd9", "3\xd9" "5"sv, 3.0} /* a broken separator is not used */));
// clang-format on

TEST(IsFieldEmpty, OnlyTheTextWithNoCharactersIsEmpty) {
  EXPECT_TRUE(IsFieldEmpty(""));
  EXPECT_FALSE(IsFieldEmpty(" "));
  EXPECT_FALSE(IsFieldEmpty("0"));
  EXPECT_FALSE(IsFieldEmpty("a"));
  EXPECT_FALSE(IsFieldEmpty("\t"));
}

}  // namespace
}  // namespace tallies
