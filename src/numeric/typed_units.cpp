#include "numeric/typed_units.h"

#include "numeric/arithmetic_fault.h"
#include "numeric/field_number.h"
#include "numeric/number_format.h"
#include "numeric/single.h"

namespace tallies {
namespace {

using Q = Quantity;

// The factors follow from the SI definitions of the customary units: the international inch
// is 0.0254 m exactly, the US gallon 231 cubic inches (3.785411784 l), the pound 0.45359237 kg,
// and the pound-force that mass under standard gravity, 9.80665 m/s².
//   1 lbf = 0.45359237 × 9.80665 N = 4.4482216152605 N = 8896443230521 / 2000000000000 N
//   1 psi = 1 lbf / (0.0254 m)² = 8896443230521 / 1290320000 Pa (6894.757293168...)
//   1 lbf·ft = 0.3048 m × 1 lbf = 1.3558179483314004 N·m
//   1 hp = 550 ft·lbf/s = 745.69987158227022 W = 37284993579113511 / 50000000000000 W
constexpr TypedUnit kUnits[] = {
    // Pressure, in pascals.
    {Q::kPressure, "bar", {100000, 1}, {"bar"}},
    {Q::kPressure, "psi", {8896443230521, 1290320000}, {"psi", "lbf/in2", "lb/in2"}},
    {Q::kPressure, "MPa", {1000000, 1}, {"mpa"}},
    {Q::kPressure, "kPa", {1000, 1}, {"kpa"}},
    {Q::kPressure, "Pa", {1, 1}, {"pa"}},
    // Flow, in litres per minute.
    {Q::kFlow, "l/min", {1, 1}, {"l/min", "lpm"}},
    {Q::kFlow, "gpm", {3785411784, 1000000000}, {"gpm", "gal/min"}},
    // Length, in millimetres.
    {Q::kLength, "mm", {1, 1}, {"mm"}},
    {Q::kLength, "in", {254, 10}, {"in", "inch", "inches"}},
    // Power, in watts.
    {Q::kPower, "kW", {1000, 1}, {"kw"}},
    {Q::kPower, "W", {1, 1}, {"w"}},
    {Q::kPower, "hp", {37284993579113511, 50000000000000}, {"hp"}},
    // Torque, in newton metres.
    {Q::kTorque, "N·m", {1, 1}, {"nm"}},
    {Q::kTorque,
     "lbf·ft",
     {3389544870828501, 2500000000000000},
     {"lbfft", "lbft", "ftlb", "ftlbf", "ftlbs", "ft/lbs"}},
    // Force, in newtons.
    {Q::kForce, "kN", {1000, 1}, {"kn"}},
    {Q::kForce, "N", {1, 1}, {"n"}},
    {Q::kForce, "lbf", {8896443230521, 2000000000000}, {"lbf", "lb", "lbs"}},
    // Area, in square millimetres.
    {Q::kArea, "mm²", {1, 1}, {"mm2"}},
    {Q::kArea, "cm²", {100, 1}, {"cm2"}},
    {Q::kArea, "in²", {64516, 100}, {"in2", "sqin"}},
    // Speed, in metres per second.
    {Q::kSpeed, "m/s", {1, 1}, {"m/s"}},
    {Q::kSpeed, "ft/s", {3048, 10000}, {"ft/s", "ft/sec", "fps"}},
    // Displacement, in cubic centimetres per revolution ("cc" and "in³" as the trade types
    // them stand for the volume of one revolution).
    {Q::kDisplacement, "cm³/rev", {1, 1}, {"cm3/rev", "cc", "cc/rev", "cm3"}},
    {Q::kDisplacement, "in³/rev", {16387064, 1000000}, {"in3/rev", "in3", "cir"}},
    // Shaft speed and angle: one unit each, recognised so that a field of another quantity
    // refuses them.
    {Q::kRotationSpeed, "rpm", {1, 1}, {"rpm", "r/min", "rev/min"}},
    {Q::kAngle, "°", {1, 1}, {"°", "deg"}},
};

// Blanks around a unit: space, tab, line feed, carriage return, no-break space (U+00A0),
// thin space (U+2009) and narrow no-break space (U+202F).
std::size_t BlankLength(std::string_view text) {
  if (text.empty()) return 0;
  const char c = text.front();
  if (c == ' ' || c == '\t' || c == '\n' || c == '\r') return 1;
  for (std::string_view blank : {"\xC2\xA0", "\xE2\x80\x89", "\xE2\x80\xAF"}) {
    if (text.starts_with(blank)) return blank.size();
  }
  return 0;
}

// The marks left out of a unit's text, longest first.
constexpr std::string_view kLeftOut[] = {
    "\xE2\x8B\x85" /* ⋅ */, "\xC2\xB7" /* · */, "*", "-", ".", "^"};

}  // namespace

std::span<const TypedUnit> TypedUnitTable() { return kUnits; }

std::string FoldUnitText(std::string_view text) {
  std::string folded;
  while (!text.empty()) {
    if (const std::size_t blank = BlankLength(text); blank > 0) {
      text.remove_prefix(blank);
      continue;
    }
    bool leftOut = false;
    for (std::string_view mark : kLeftOut) {
      if (text.starts_with(mark)) {
        text.remove_prefix(mark.size());
        leftOut = true;
        break;
      }
    }
    if (leftOut) continue;
    if (text.starts_with("\xC2\xB2")) {  // ²
      folded.push_back('2');
      text.remove_prefix(2);
    } else if (text.starts_with("\xC2\xB3")) {  // ³
      folded.push_back('3');
      text.remove_prefix(2);
    } else {
      const char c = text.front();
      folded.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
      text.remove_prefix(1);
    }
  }
  return folded;
}

const TypedUnit* FindTypedUnit(std::string_view text) {
  const std::string folded = FoldUnitText(text);
  if (folded.empty()) return nullptr;
  for (const TypedUnit& unit : kUnits) {
    for (std::string_view spelling : unit.spellings) {
      if (!spelling.empty() && spelling == folded) return &unit;
    }
  }
  return nullptr;
}

const TypedUnit* FieldUnit(Quantity quantity, std::string_view symbol) {
  for (const TypedUnit& unit : kUnits) {
    if (unit.quantity == quantity && unit.symbol == symbol) return &unit;
  }
  return nullptr;
}

double ConversionFactor(const TypedUnit& from, const TypedUnit& to) {
  // Every numerator and denominator is below 2^64 and so exact in a long double of 64 or more
  // significant bits; the two products and the quotient each round once there.
  using Wide = long double;
  const Wide up =
      static_cast<Wide>(from.factor.numerator) * static_cast<Wide>(to.factor.denominator);
  const Wide down =
      static_cast<Wide>(from.factor.denominator) * static_cast<Wide>(to.factor.numerator);
  return static_cast<double>(up / down);
}

std::string_view QuantityName(Quantity quantity) {
  switch (quantity) {
    case Q::kFlow:
      return "flow";
    case Q::kPressure:
      return "pressure";
    case Q::kPower:
      return "power";
    case Q::kLength:
      return "length";
    case Q::kArea:
      return "area";
    case Q::kForce:
      return "force";
    case Q::kSpeed:
      return "speed";
    case Q::kTorque:
      return "torque";
    case Q::kDisplacement:
      return "displacement";
    case Q::kAngle:
      return "angle";
    case Q::kRotationSpeed:
      return "shaft speed";
    case Q::kVolume:
      return "volume";
    case Q::kMass:
      return "mass";
    case Q::kMassPerLength:
      return "mass per length";
    case Q::kDensity:
      return "density";
    case Q::kTemperature:
      return "temperature";
    case Q::kGauge:
      return "gauge";
    case Q::kNone:
      break;
  }
  return "number";
}

UnitReading ReadFieldWithUnit(std::string_view text, std::string_view separator, Quantity quantity,
                              std::string_view fieldUnit) {
  const LeadingNumber number = ParseLeadingNumber(text, separator);
  const TypedUnit* field = FieldUnit(quantity, fieldUnit);
  if (field == nullptr) return UnitValue{number.value, nullptr};
  const TypedUnit* typed = FindTypedUnit(text.substr(number.end));
  if (typed == nullptr) return UnitValue{number.value, nullptr};
  if (typed->quantity != quantity) return WrongQuantity{typed, field};
  if (typed == field) return UnitValue{number.value, typed};
  return UnitValue{number.value * ConversionFactor(*typed, *field), typed};
}

std::optional<std::string> ConvertFieldText(std::string_view text, std::string_view separator,
                                            Quantity quantity, std::string_view fromUnit,
                                            std::string_view toUnit) {
  const TypedUnit* from = FieldUnit(quantity, fromUnit);
  const TypedUnit* to = FieldUnit(quantity, toUnit);
  if (from == nullptr || to == nullptr) return std::nullopt;
  if (from == to) return std::string(text);
  try {
    if (!ParseLeadingNumber(text, separator).found) return std::nullopt;
    const UnitReading reading = ReadFieldWithUnit(text, separator, quantity, fromUnit);
    const UnitValue* value = std::get_if<UnitValue>(&reading);
    if (value == nullptr) return std::nullopt;
    const double read = NarrowToSingle(value->value);
    return FormatSingle(NarrowToSingle(read * ConversionFactor(*from, *to)), separator);
  } catch (const ArithmeticFault&) {
    return std::nullopt;
  }
}

}  // namespace tallies
