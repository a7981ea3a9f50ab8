// Gauge thicknesses in millimetres: worked cases, and every entry of both tables converted to
// four significant digits that stay within half a unit of the exact inch value times 25.4 and
// keep every two thicknesses of a table apart.

#include "window/gauge_millimetres.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <map>
#include <string>

#include "gauges/gauge_tables.h"

namespace tallies {
namespace {

TEST(GaugeMillimetres, WorkedCases) {
  struct Case {
    std::string_view inches;
    std::string_view separator;
    std::optional<std::string_view> millimetres;
  };
  const Case cases[] = {
      {"0.0060", ".", "0.1524"},    // 0.1524 exactly
      {"0.00049", ".", "0.01245"},  // 0.012446, rounded
      {"0.46", ".", "11.68"},       // 11.684
      {"1", ".", "25.40"},          // trailing zeros kept to four digits
      {"0.0625", ".", "1.588"},     // 1.5875: a half, rounded up
      {"0.3937", ",", "10,00"},     // 9.99998 rounds up into a fifth digit's place
      {"0.2391", ".", "6.073"},    {"", ".", std::nullopt},      {"0", ".", std::nullopt},
      {"1/2", ".", std::nullopt},  {"0.1.2", ".", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.inches));
    const std::optional<std::string> mm = GaugeMillimetres(c.inches, c.separator);
    ASSERT_EQ(mm.has_value(), c.millimetres.has_value());
    if (mm) {
      EXPECT_EQ(*mm, *c.millimetres);
    }
  }
}

TEST(GaugeMillimetres, EveryTableEntryConvertsAndStaysDistinct) {
  for (const auto table : {SheetMetalGaugeTable(), WireGaugeTable()}) {
    std::map<std::string, std::string_view> seen;  // millimetres -> inches
    for (const GaugeRow& row : table) {
      SCOPED_TRACE(std::string(row.gauge) + " " + std::string(row.thickness));
      const std::optional<std::string> mm = GaugeMillimetres(row.thickness);
      ASSERT_TRUE(mm.has_value());
      const long double exact = std::strtold(std::string(row.thickness).c_str(), nullptr) * 25.4L;
      const long double shown = std::strtold(mm->c_str(), nullptr);
      // Four significant digits: half a unit of the fourth.
      const long double unit = std::pow(10.0L, std::floor(std::log10(shown)) - 3);
      EXPECT_LE(std::fabs(shown - exact), unit / 2 + 1e-12L);
      // Its significant digits: every digit after the leading zeros, the point left out.
      std::string digits;
      for (char c : *mm) {
        if (c != '.' && !(digits.empty() && c == '0')) digits.push_back(c);
      }
      EXPECT_EQ(digits.size(), static_cast<std::size_t>(kGaugeMillimetreDigits)) << *mm;
      const auto [at, added] = seen.emplace(*mm, row.thickness);
      if (!added) {
        EXPECT_EQ(at->second, row.thickness) << "two thicknesses show as " << *mm;
      }
    }
  }
}

}  // namespace
}  // namespace tallies
