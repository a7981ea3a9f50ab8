#pragma once

#include <optional>
#include <string_view>

#include "numeric/quantity.h"

namespace tallies {

// One two-way conversion between a non-metric unit (A) and a metric unit (B).
struct UnitPair {
  Quantity quantity;
  std::string_view unitA;  // symbol of the non-metric unit
  std::string_view unitB;  // symbol of the metric unit
  double k;                // B units in one A unit; serves both directions
  // Decimal places a value converted into A is rounded to first; none for most
  // pairs. Values converted into B are never rounded.
  std::optional<int> decimalsForA;
};

// A in B units: a * k. A result beyond the Double range is an overflow fault.
double ConvertToB(const UnitPair& pair, double a);

// B in A units: one division by the factor itself (dividing by a stored reciprocal
// would change the last digits of some results), then the pair's rounding.
double ConvertToA(const UnitPair& pair, double b);

}  // namespace tallies
