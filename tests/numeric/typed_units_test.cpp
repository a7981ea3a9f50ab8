// Units typed after a field's number: every spelling the README lists, with its exact factor
// worked out here from the SI definitions in long double, the decimal comma, a unit of another
// quantity and text that names no unit; and the leading number's end, where the unit starts.

#include "numeric/typed_units.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <variant>

#include "numeric/arithmetic_fault.h"
#include "numeric/field_number.h"

namespace tallies {
namespace {

using Q = Quantity;
using Wide = long double;

// The SI definitions, independently of the table: metres, kilograms, seconds.
constexpr Wide kInch = 0.0254L;
constexpr Wide kFoot = 12 * kInch;
constexpr Wide kPoundForce = 0.45359237L * 9.80665L;   // newtons
constexpr Wide kGallon = 231 * kInch * kInch * kInch;  // cubic metres
constexpr Wide kPsi = kPoundForce / (kInch * kInch);   // pascals

struct UnitCase {
  std::string_view text;
  Q quantity;
  std::string_view fieldUnit;
  Wide expected;  // in the field's unit
};

// Each spelling typed into a field of its quantity, the value in the field's unit.
const UnitCase kUnitCases[] = {
    {"210 bar", Q::kPressure, "psi", 210 * 100000 / kPsi},
    {"3000 psi", Q::kPressure, "bar", 3000 * kPsi / 100000},
    {"3000 PSI", Q::kPressure, "psi", 3000},
    {"2 MPa", Q::kPressure, "bar", 20},
    {"500 kPa", Q::kPressure, "bar", 5},
    {"1 lbf/in²", Q::kPressure, "bar", kPsi / 100000},
    {"25 l/min", Q::kFlow, "gpm", 25 / (kGallon * 1000)},
    {"25 L/min", Q::kFlow, "gpm", 25 / (kGallon * 1000)},
    {"25 lpm", Q::kFlow, "gpm", 25 / (kGallon * 1000)},
    {"6.6 gpm", Q::kFlow, "l/min", 6.6L * kGallon * 1000},
    {"6.6 GPM", Q::kFlow, "gpm", 6.6L},
    {"50 mm", Q::kLength, "in", 50 / (kInch * 1000)},
    {"2 in", Q::kLength, "mm", 2 * kInch * 1000},
    {"2 in.", Q::kLength, "mm", 2 * kInch * 1000},
    {"15 kW", Q::kPower, "hp", 15000 / (550 * kFoot * kPoundForce)},
    {"20 hp", Q::kPower, "kW", 20 * 550 * kFoot* kPoundForce / 1000},
    {"120 N·m", Q::kTorque, "lbf·ft", 120 / (kFoot * kPoundForce)},
    {"120 Nm", Q::kTorque, "lbf·ft", 120 / (kFoot * kPoundForce)},
    {"120 N-m", Q::kTorque, "lbf·ft", 120 / (kFoot * kPoundForce)},
    {"90 lbf·ft", Q::kTorque, "N·m", 90 * kFoot* kPoundForce},
    {"90 ft·lb", Q::kTorque, "N·m", 90 * kFoot* kPoundForce},
    {"90 ft-lbs", Q::kTorque, "N·m", 90 * kFoot* kPoundForce},
    {"90 ft./lbs.", Q::kTorque, "N·m", 90 * kFoot* kPoundForce},
    {"16 cc", Q::kDisplacement, "in³/rev", 16 / (kInch * kInch * kInch * 1e6L)},
    {"16 cm³/rev", Q::kDisplacement, "in³/rev", 16 / (kInch * kInch * kInch * 1e6L)},
    {"1 in³", Q::kDisplacement, "cm³/rev", kInch* kInch* kInch * 1e6L},
    {"1 in³/rev", Q::kDisplacement, "cm³/rev", kInch* kInch* kInch * 1e6L},
    {"1 in^3", Q::kDisplacement, "cm³/rev", kInch* kInch* kInch * 1e6L},
    {"20 cm²", Q::kArea, "in²", 20 / (kInch * kInch * 1e4L)},
    {"3 in²", Q::kArea, "cm²", 3 * kInch* kInch * 1e4L},
    {"3 IN2", Q::kArea, "cm²", 3 * kInch* kInch * 1e4L},
    {"300 mm²", Q::kArea, "cm²", 3},
    {"10 kN", Q::kForce, "lbf", 10000 / kPoundForce},
    {"500 lbf", Q::kForce, "kN", 500 * kPoundForce / 1000},
    {"500 lb", Q::kForce, "kN", 500 * kPoundForce / 1000},
    {"2.5 m/s", Q::kSpeed, "ft/s", 2.5L / kFoot},
    {"8 ft/s", Q::kSpeed, "m/s", 8 * kFoot},
    {"1500 rpm", Q::kRotationSpeed, "rpm", 1500},
    {"30°", Q::kAngle, "°", 30},
    // Spacing: none, several blanks, a tab, a no-break space, blanks after the unit.
    {"210bar", Q::kPressure, "psi", 210 * 100000 / kPsi},
    {"  210   bar  ", Q::kPressure, "psi", 210 * 100000 / kPsi},
    {"210\tbar", Q::kPressure, "psi", 210 * 100000 / kPsi},
    {"210\xC2\xA0"
     "bar",
     Q::kPressure, "psi", 210 * 100000 / kPsi},
    // Text that names no unit is read by the leading-number rule, as the design reads it.
    {"10 abc", Q::kPressure, "psi", 10},
    {"10 bar extra", Q::kPressure, "psi", 10},
    {"10", Q::kPressure, "psi", 10},
    {"", Q::kPressure, "psi", 0},
    {"bar", Q::kPressure, "psi", 0},
    {"10 kg", Q::kForce, "lbf", 10},
    // A field whose unit the table does not know reads every text as designed.
    {"2 in", Q::kLength, "cm", 2},
    {"2 mm", Q::kVolume, "in³", 2},
};

TEST(TypedUnits, EverySpellingConvertsIntoTheFieldsUnit) {
  for (const UnitCase& c : kUnitCases) {
    SCOPED_TRACE(std::string(c.text) + " in a " + std::string(c.fieldUnit) + " field");
    const UnitReading reading = ReadFieldWithUnit(c.text, ".", c.quantity, c.fieldUnit);
    ASSERT_TRUE(std::holds_alternative<UnitValue>(reading));
    const double value = std::get<UnitValue>(reading).value;
    // Within a few roundings of a Double of the exact value: far below the Single it narrows to.
    EXPECT_NEAR(static_cast<Wide>(value), c.expected, std::fabs(c.expected) * 1e-15L);
  }
}

TEST(TypedUnits, TheDesignsFiguresComeOut) {
  auto psi = [](std::string_view text) {
    return std::get<UnitValue>(ReadFieldWithUnit(text, ".", Q::kPressure, "psi")).value;
  };
  char shown[32];
  std::snprintf(shown, sizeof shown, "%.7g", psi("210 bar"));
  EXPECT_STREQ(shown, "3045.792");
  EXPECT_EQ(psi("3000 psi"), 3000.0);
}

// The decimal comma: with "," as the regional separator, "2,5 bar" is 2.5 bar; with "." the
// comma ends the number as it always has, and ",5 bar" names no unit.
TEST(TypedUnits, TheDecimalCommaIsReadBeforeTheUnit) {
  struct Case {
    std::string_view text;
    std::string_view separator;
    Wide expected;  // bar
  };
  const Case cases[] = {
      {"2,5 bar", ",", 2.5L}, {"36,26 psi", ",", 36.26L * kPsi / 100000},
      {"0,25MPa", ",", 2.5L}, {"2.5 bar", ",", 2.5L},
      {"2,5 bar", ".", 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.text) + " with " + std::string(c.separator));
    const UnitReading reading = ReadFieldWithUnit(c.text, c.separator, Q::kPressure, "bar");
    ASSERT_TRUE(std::holds_alternative<UnitValue>(reading));
    EXPECT_NEAR(static_cast<Wide>(std::get<UnitValue>(reading).value), c.expected,
                c.expected * 1e-15L);
  }
}

TEST(TypedUnits, AUnitOfAnotherQuantityIsAWrongQuantity) {
  struct Case {
    std::string_view text;
    Q quantity;
    std::string_view fieldUnit;
    Q held;
  };
  const Case cases[] = {
      {"5 mm", Q::kPressure, "psi", Q::kLength},   {"5 mm", Q::kPressure, "bar", Q::kLength},
      {"10 psi", Q::kFlow, "gpm", Q::kPressure},   {"2 in", Q::kArea, "in²", Q::kLength},
      {"2 in²", Q::kLength, "in", Q::kArea},       {"16 cc", Q::kFlow, "l/min", Q::kDisplacement},
      {"1 hp", Q::kTorque, "N·m", Q::kPower},      {"1 Nm", Q::kPower, "kW", Q::kTorque},
      {"1 kN", Q::kPressure, "bar", Q::kForce},    {"1 m/s", Q::kFlow, "l/min", Q::kSpeed},
      {"90°", Q::kForce, "lbf", Q::kAngle},        {"1500 rpm", Q::kPower, "hp", Q::kRotationSpeed},
      {"1E400 mm", Q::kPressure, "psi", Q::kNone},  // the overflow of the number comes first
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.text) + " in a " + std::string(c.fieldUnit) + " field");
    if (c.held == Q::kNone) {
      EXPECT_THROW(ReadFieldWithUnit(c.text, ".", c.quantity, c.fieldUnit), ArithmeticFault);
      continue;
    }
    const UnitReading reading = ReadFieldWithUnit(c.text, ".", c.quantity, c.fieldUnit);
    ASSERT_TRUE(std::holds_alternative<WrongQuantity>(reading));
    const WrongQuantity& wrong = std::get<WrongQuantity>(reading);
    EXPECT_EQ(wrong.typed->quantity, c.held);
    EXPECT_EQ(wrong.expected->symbol, c.fieldUnit);
  }
}

// The table itself: each spelling names one unit, every unit's symbol is spelled by one of
// its spellings, and a factor read from it agrees with the SI definitions.
TEST(TypedUnits, EachSpellingNamesOneUnit) {
  for (const TypedUnit& unit : TypedUnitTable()) {
    SCOPED_TRACE(std::string(unit.symbol));
    EXPECT_EQ(FindTypedUnit(unit.symbol), &unit);
    EXPECT_EQ(FieldUnit(unit.quantity, unit.symbol), &unit);
    for (std::string_view spelling : unit.spellings) {
      if (spelling.empty()) continue;
      EXPECT_EQ(FoldUnitText(spelling), spelling) << "spellings are stored folded";
      EXPECT_EQ(FindTypedUnit(spelling), &unit) << spelling;
    }
    EXPECT_GT(unit.factor.numerator, 0u);
    EXPECT_GT(unit.factor.denominator, 0u);
  }
  EXPECT_EQ(FindTypedUnit(""), nullptr);
  EXPECT_EQ(FindTypedUnit("furlong"), nullptr);
}

TEST(TypedUnits, TheLeadingNumberSaysWhereItEnded) {
  struct Case {
    std::string_view text;
    std::string_view separator;
    double value;
    std::string_view rest;
    bool found;
  };
  const Case cases[] = {
      {"10 gpm", ".", 10, "gpm", true},   {"12abc", ".", 12, "abc", true},
      {"3.5.2", ".", 3.5, ".2", true},    {"1 2 3 bar", ".", 123, "bar", true},
      {"1E", ".", 1, "E", true},          {"2e-x", ".", 2, "e-x", true},
      {"2,5 bar", ",", 2.5, "bar", true}, {"2,5 bar", ".", 2, ",5 bar", true},
      {"&H1F psi", ".", 31, "psi", true}, {"&H", ".", 0, "", false},
      {"abc", ".", 0, "abc", false},      {"", ".", 0, "", false},
      {"-", ".", 0, "", false},           {"  7  ", ".", 7, "", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.text));
    const LeadingNumber number = ParseLeadingNumber(c.text, c.separator);
    EXPECT_EQ(number.value, c.value);
    EXPECT_EQ(number.found, c.found);
    EXPECT_EQ(c.text.substr(number.end), c.rest);
    EXPECT_EQ(number.value, ParseFieldNumber(c.text, c.separator));
  }
}

TEST(TypedUnits, AFieldsTextIsConvertedForAnotherUnit) {
  struct Case {
    std::string_view text;
    std::string_view separator;
    Q quantity;
    std::string_view from;
    std::string_view to;
    std::optional<std::string_view> converted;
  };
  const Case cases[] = {
      {"210", ".", Q::kPressure, "bar", "psi", "3045.792"},
      {"210", ",", Q::kPressure, "bar", "psi", "3045,792"},
      {"10", ".", Q::kFlow, "gpm", "l/min", "37.85412"},
      {"1", ".", Q::kLength, "in", "mm", "25.4"},
      {"1", ".", Q::kPower, "hp", "kW", "0.7456999"},
      {"1 kW", ".", Q::kPower, "hp", "kW", "1"},
      {"7.5", ".", Q::kTorque, "N·m", "N·m", "7.5"},
      {"", ".", Q::kLength, "in", "mm", std::nullopt},
      {"none", ".", Q::kLength, "in", "mm", std::nullopt},
      {"1 bar", ".", Q::kLength, "in", "mm", std::nullopt},
      {"1E38", ".", Q::kPressure, "bar", "psi", std::nullopt},
      {"1E400", ".", Q::kPressure, "bar", "psi", std::nullopt},
      {"1", ".", Q::kLength, "in", "furlong", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.text) + " " + std::string(c.from) + " to " + std::string(c.to));
    const auto converted = ConvertFieldText(c.text, c.separator, c.quantity, c.from, c.to);
    ASSERT_EQ(converted.has_value(), c.converted.has_value());
    if (converted) {
      EXPECT_EQ(*converted, *c.converted);
    }
  }
}

}  // namespace
}  // namespace tallies
