// The number conversions every build reads and writes through: the standard library's where it
// has them, the stand-ins where it does not (the build with clang and libc++ runs these cases
// over the stand-ins).

#include "numeric/char_conv.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <system_error>

namespace tallies {
namespace {

TEST(FromChars, ReadsAsTheStandardDoes) {
  struct Case {
    std::string_view text;
    std::chars_format format;
    std::errc error;
    double value;
    std::size_t read;
  };
  const Case cases[] = {
      {"0.1", std::chars_format::general, std::errc{}, 0.1, 3},
      {"-2.5e3 gpm", std::chars_format::general, std::errc{}, -2500.0, 6},
      {"1e", std::chars_format::general, std::errc{}, 1.0, 1},  // no exponent digits
      {"1.7976931348623157e308", std::chars_format::general, std::errc{}, 1.7976931348623157e308,
       22},
      {"4.9e-324", std::chars_format::general, std::errc{}, 4.9e-324, 8},  // subnormal
      {"1e309", std::chars_format::general, std::errc::result_out_of_range, 7.0, 5},
      {"1e-400", std::chars_format::general, std::errc::result_out_of_range, 7.0, 6},
      {"1F", std::chars_format::hex, std::errc{}, 31.0, 2},
      {"ff.8", std::chars_format::hex, std::errc{}, 255.5, 4},
      {"1p1023", std::chars_format::hex, std::errc{}, 0x1p1023, 6},
      // Just beyond the largest double, where some C libraries' strtod gives infinity without
      // reporting a range error.
      {"1p1024", std::chars_format::hex, std::errc::result_out_of_range, 7.0, 6},
      {"-1p-1080", std::chars_format::hex, std::errc::result_out_of_range, 7.0, 8},
      {"x1", std::chars_format::general, std::errc::invalid_argument, 7.0, 0},
      {"+1", std::chars_format::general, std::errc::invalid_argument, 7.0, 0},
  };
  for (const Case& c : cases) {
    double value = 7.0;  // left as it is when nothing can be read
    const auto [end, ec] = FromChars(c.text.data(), c.text.data() + c.text.size(), value, c.format);
    EXPECT_EQ(ec, c.error) << c.text;
    EXPECT_EQ(value, c.value) << c.text;
    if (ec != std::errc::invalid_argument) {
      EXPECT_EQ(static_cast<std::size_t>(end - c.text.data()), c.read) << c.text;
    }
  }
}

TEST(ToChars, WritesAsPrintfInTheCLocale) {
  struct Case {
    double value;
    std::chars_format format;
    int precision;
    std::string_view text;
  };
  const Case cases[] = {
      {8.751458332, std::chars_format::general, 7, "8.751458"},
      {1e20 / 3, std::chars_format::general, 15, "3.33333333333333e+19"},
      {0.0001, std::chars_format::general, 7, "0.0001"},
      {0.00001, std::chars_format::general, 7, "1e-05"},
      {2.5, std::chars_format::general, 1, "2"},  // ties to even, on the exact value
      {0.0359, std::chars_format::fixed, 4, "0.0359"},
      {1.639e-5, std::chars_format::scientific, 3, "1.639e-05"},
  };
  for (const Case& c : cases) {
    char buffer[64];
    const auto [end, ec] = ToChars(buffer, buffer + sizeof buffer, c.value, c.format, c.precision);
    EXPECT_EQ(ec, std::errc{});
    EXPECT_EQ(std::string_view(buffer, static_cast<std::size_t>(end - buffer)), c.text);
  }
  char buffer[32];
  const auto [end, ec] =
      ToChars(buffer, buffer + sizeof buffer, 0.1f, std::chars_format::general, 9);
  EXPECT_EQ(ec, std::errc{});
  EXPECT_EQ(std::string_view(buffer, static_cast<std::size_t>(end - buffer)), "0.100000001");
}

TEST(BitCast, GivesTheBitsOfADouble) {
  EXPECT_EQ(BitCast<std::uint64_t>(1.0), 0x3FF0000000000000u);
  EXPECT_EQ(BitCast<double>(std::uint64_t{0x4000000000000000u}), 2.0);
  static_assert(BitCast<std::uint64_t>(-0.0) == 0x8000000000000000u);
}

}  // namespace
}  // namespace tallies
