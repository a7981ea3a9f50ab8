#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "numeric/quantity.h"

namespace tallies {

// A factor as an exact ratio of whole numbers, so that every unit's definition in SI can be
// written without rounding: 1 psi is 8896443230521 / 1290320000 Pa.
struct ExactFactor {
  unsigned long long numerator = 1;
  unsigned long long denominator = 1;
};

// A unit a field understands when it is typed after the number ("210 bar", "6.6 gpm").
struct TypedUnit {
  Quantity quantity = Quantity::kNone;
  // The symbol fields and results are declared with ("psi", "N·m"), and the one messages use.
  std::string_view symbol;
  // Its size in the reference unit of its quantity: pascal, litre per minute, millimetre, watt,
  // newton metre, newton, square millimetre, metre per second, cubic centimetre per revolution,
  // revolution per minute, degree.
  ExactFactor factor;
  // How it may be typed, in folded form (see FoldUnitText); unused entries are empty.
  std::array<std::string_view, 6> spellings;
};

// Every unit fields understand, grouped by quantity.
std::span<const TypedUnit> TypedUnitTable();

// The text typed after a number as it is compared with the spellings: blanks at either end are
// dropped; ASCII letters are compared in lower case; "²" and "³" count as "2" and "3"; the
// marks people put between or after unit symbols ("·", "⋅", "*", "-", ".", "^" and blanks)
// are left out. So "N·m", "N-m", "Nm" and "N m" are one unit, "IN²" and "in^2" another, and
// "in." is the inch.
std::string FoldUnitText(std::string_view text);

// The unit the text names (any spelling, folded), or none.
const TypedUnit* FindTypedUnit(std::string_view text);

// A field's own unit by its quantity and symbol, or none when the table does not know it.
const TypedUnit* FieldUnit(Quantity quantity, std::string_view symbol);

// The exact factor from one unit to another of the same quantity, rounded once to a Double:
// worked out in long double from the whole numbers of both factors.
double ConversionFactor(const TypedUnit& from, const TypedUnit& to);

// What a quantity is called in messages: "pressure", "flow".
std::string_view QuantityName(Quantity quantity);

// A field's text read with the unit typed after its number, in the field's own unit. `typed`
// is the unit the text named, none when it named no unit (the value is then the number as
// typed, as ParseFieldNumber reads it).
struct UnitValue {
  double value = 0.0;
  const TypedUnit* typed = nullptr;
};
// The text named a unit of another quantity ("5 mm" in a pressure field): nothing is read.
struct WrongQuantity {
  const TypedUnit* typed = nullptr;
  const TypedUnit* expected = nullptr;
};
using UnitReading = std::variant<UnitValue, WrongQuantity>;

// Reads a field: the leading number exactly as ParseFieldNumber reads it (which may throw its
// overflow fault), then the text after it. A unit of the field's quantity converts the value
// into the field's unit with the exact factor; a unit of another quantity is a WrongQuantity;
// any other text is ignored as the leading-number rule ignores it ("10 abc" is 10). A field
// whose own unit the table does not know reads every text by the leading-number rule alone.
UnitReading ReadFieldWithUnit(std::string_view text, std::string_view separator, Quantity quantity,
                              std::string_view fieldUnit);

// A field's text converted from one unit to another of its quantity, for a window whose units
// are switched: read as ReadFieldWithUnit reads it in `fromUnit` and narrowed to Single, as the
// hydraulic fields read; converted with the exact factor and narrowed to Single once; written
// with FormatSingle and the separator. None when the text is to stay as it is: it holds no
// number, it names a unit of another quantity, the converted value is beyond the Single range,
// or either unit is unknown. The same unit on both sides leaves the text as typed.
std::optional<std::string> ConvertFieldText(std::string_view text, std::string_view separator,
                                            Quantity quantity, std::string_view fromUnit,
                                            std::string_view toUnit);

}  // namespace tallies
