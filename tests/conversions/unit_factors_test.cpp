// The 25 conversion factors checked against the exact definitions of their
// units (NIST SP 811), so that a mistyped digit in any factor is caught.

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

#include "conversions/unit_pairs.h"
#include "numeric/char_conv.h"
#include "numeric/field_number.h"
#include "support/catalogue_click.h"
#include "support/fake_controls.h"

namespace tallies {
namespace {

// Exact definitions, in meters, cubic meters, square meters and kilograms.
constexpr double kInch = 0.0254;
constexpr double kFoot = 0.3048;
constexpr double kYard = 0.9144;
constexpr double kSurveyFoot = 1200.0 / 3937.0;
constexpr double kStatuteMile = 5280.0 * kSurveyFoot;  // 6336/3937 km
constexpr double kCubicInch = kInch * kInch * kInch;
constexpr double kUsGallon = 231.0 * kCubicInch;
constexpr double kUsFluidOunce = kUsGallon / 128.0;
constexpr double kCanadianGallon = 4.54609e-3;  // the imperial gallon
constexpr double kLiter = 1e-3;
constexpr double kMilliliter = 1e-6;
constexpr double kPound = 0.45359237;
constexpr double kShortTon = 2000.0 * kPound;
constexpr double kKip = 1000.0 * kPound;
constexpr double kSurveyAcre = 43560.0 * kSurveyFoot * kSurveyFoot;
constexpr double kHectare = 1e4;

struct FactorCase {
  const char* button;
  const char* fieldA;
  const char* fieldB;
  double reference;  // B units in one A unit, from the definitions
  // Allowed distance from the reference, in units of the factor's last decimal.
  double tolerance;
};

// Half a unit of the last decimal: the factor is the definition rounded to the
// digits it carries.
constexpr double kRounded = 0.5;

std::ostream& operator<<(std::ostream& out, const FactorCase& c) { return out << c.button; }

const FactorCase kFactorCases[] = {
    {"Command2", "txtin1", "txtmm1", kInch / 1e-3, kRounded},
    {"Command3", "txtin2", "txtcm", kInch / 1e-2, kRounded},
    {"Command4", "txtin3", "txtm", kInch, kRounded},
    {"Command5", "txtft", "txtm1", kFoot, kRounded},
    {"Command6", "txtyd", "txtm2", kYard, kRounded},
    {"Command7", "txtmi", "txtkm", kStatuteMile / 1e3, kRounded},
    {"Command8", "txtcuin", "txtcum1", kCubicInch, kRounded},
    {"Command9", "txtcuft", "txtcum2", kFoot* kFoot* kFoot, kRounded},
    {"Command10", "txtcuyd", "txtcum3", kYard* kYard* kYard, kRounded},
    {"Command11", "txtfloz1", "txtml1", kUsFluidOunce / kMilliliter, kRounded},
    {"Command12", "txtfloz2", "txtcum5", kUsFluidOunce, kRounded},
    {"Command13", "txtgal1", "txt11", kUsGallon / kLiter, kRounded},
    {"Command14", "txtgal2", "txtcum4", kUsGallon, kRounded},
    {"Command15", "txtgal3", "txtl3", kCanadianGallon / kLiter, kRounded},
    {"Command16", "txtgal4", "txtcum6", kCanadianGallon, kRounded},
    {"Command17", "txtlbwm", "txtkgwm", kPound, kRounded},
    // The ton factor is 2000 times the 7-place pound factor 0.4535924, so it
    // carries that factor's rounding times 2000: 907.1848 against the exact
    // 907.18474, 0.6 of a unit of its last place.
    {"Command18", "txttonwm", "txtkgwm2", kShortTon, 2000.0 * 0.5e-7 / 1e-4},
    {"Command20", "txtklf", "txtkgm1", kKip / kFoot, kRounded},
    {"Command21", "txtplf", "txtkgm2", kPound / kFoot, kRounded},
    {"Command22", "txtpcf", "txtkgcum1", kPound / (kFoot * kFoot * kFoot), kRounded},
    {"Command23", "txtlbcuyd", "txtkgcum2", kPound / (kYard * kYard * kYard), kRounded},
    {"Command24", "txtsqft", "txtsqm1", kFoot* kFoot, kRounded},
    {"Command25", "txtsqin", "txtsqm2", kInch* kInch, kRounded},
    {"Command26", "txtsqyd", "txtsqm3", kYard* kYard, kRounded},
    {"Command27", "txtac", "txtha", kSurveyAcre / kHectare, kRounded},
};

// The place value of the last decimal digit of the shortest text that reads
// back as `k`: 0.1 for 25.4, 1 for 1488, 1e-8 for 1.639e-5.
double LastDecimalPlace(double k) {
  // The shortest scientific text that reads back as k.
  char buffer[64];
  std::string_view text;
  for (int digits = 0; digits <= 17; ++digits) {
    const auto [end, ec] =
        ToChars(buffer, buffer + sizeof buffer, k, std::chars_format::scientific, digits);
    EXPECT_EQ(ec, std::errc());
    double back = 0;
    FromChars(buffer, end, back, std::chars_format::general);
    text = std::string_view(buffer, static_cast<std::size_t>(end - buffer));
    if (back == k) break;
  }
  const std::size_t e = text.find('e');
  const std::size_t point = text.find('.');
  const int fractionDigits = point == std::string_view::npos ? 0 : static_cast<int>(e - point - 1);
  const int exponent = std::stoi(std::string(text.substr(e + 1)));
  // Read back from its text rather than through std::pow: a negative power of ten from pow is
  // not correctly rounded everywhere (MinGW's is several units in the last place off).
  const std::string place = "1e" + std::to_string(exponent - fractionDigits);
  double value = 0;
  FromChars(place.data(), place.data() + place.size(), value, std::chars_format::general);
  return value;
}

TEST(LastDecimalPlace, FollowsTheDigitsWritten) {
  EXPECT_DOUBLE_EQ(LastDecimalPlace(25.4), 0.1);
  EXPECT_DOUBLE_EQ(LastDecimalPlace(1488.0), 1.0);
  EXPECT_DOUBLE_EQ(LastDecimalPlace(1.639e-5), 1e-8);
  EXPECT_DOUBLE_EQ(LastDecimalPlace(0.00064516), 1e-8);
  EXPECT_DOUBLE_EQ(LastDecimalPlace(1.609347), 1e-6);
}

const UnitPairPlace* FindPair(std::string_view button) {
  for (const UnitPairPlace& place : UnitPairPlaces()) {
    if (place.button == button) return &place;
  }
  return nullptr;
}

void Click(testing::FakeControls& form, std::string_view button) {
  testing::ClickThroughCatalogue(form, button);
}

class UnitFactor : public ::testing::TestWithParam<FactorCase> {};

TEST_P(UnitFactor, AgreesWithTheUnitDefinitions) {
  const FactorCase& c = GetParam();
  const UnitPairPlace* pair = FindPair(c.button);
  ASSERT_NE(pair, nullptr);
  EXPECT_EQ(pair->fieldA, c.fieldA);
  EXPECT_EQ(pair->fieldB, c.fieldB);
  const double allowed = c.tolerance * LastDecimalPlace(pair->conversion->k);
  EXPECT_LE(std::fabs(pair->conversion->k - c.reference), allowed)
      << "k = " << pair->conversion->k << ", reference " << c.reference;
}

// The button converts one A unit into about `reference` B units and back, so the
// wiring from button to row to fields is checked along with the factor.
TEST_P(UnitFactor, ButtonConvertsBothWays) {
  const FactorCase& c = GetParam();
  const UnitPairPlace* pair = FindPair(c.button);
  ASSERT_NE(pair, nullptr);
  const double relative = c.tolerance * LastDecimalPlace(pair->conversion->k) / c.reference;

  testing::FakeControls forward;
  forward.Put(c.fieldA, "1");
  Click(forward, c.button);
  const double b = ParseFieldNumber(forward.Get(c.fieldB));
  EXPECT_NEAR(b / c.reference, 1.0, relative + 1e-14) << forward.Get(c.fieldB);

  // 1000 B units, so that the 6 places of the rounded rows hold enough digits.
  testing::FakeControls backward;
  backward.Put(c.fieldB, "1000");
  Click(backward, c.button);
  const double a = ParseFieldNumber(backward.Get(c.fieldA));
  EXPECT_NEAR(a * c.reference / 1000.0, 1.0, relative + 1e-6) << backward.Get(c.fieldA);
}

INSTANTIATE_TEST_SUITE_P(AllPairs, UnitFactor, ::testing::ValuesIn(kFactorCases),
                         [](const auto& info) { return std::string(info.param.button); });

TEST(UnitFactor, EveryPairHasAReference) {
  EXPECT_EQ(std::size(kFactorCases), UnitPairPlaces().size());
}

}  // namespace
}  // namespace tallies
