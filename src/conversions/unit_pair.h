#pragma once

#include <optional>
#include <string_view>

namespace tallies {

// One two-way conversion: a "Calc" button between a field in a non-metric unit
// (A) and a field in a metric unit (B).
struct UnitPair {
  std::string_view button;  // the button whose click runs the pair
  std::string_view fieldA;  // left field, non-metric unit
  std::string_view fieldB;  // right field, metric unit
  double k;                 // B units in one A unit; serves both directions
  // Decimal places a value written into field A is rounded to first; none for
  // most pairs. Values written into field B are never rounded.
  std::optional<int> decimalsForA;
};

}  // namespace tallies
