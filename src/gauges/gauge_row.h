#pragma once

#include <string_view>

namespace tallies {

// One entry of a gauge list: the gauge text, which is both the list entry and
// the lookup key, and the thickness in inches exactly as the result label shows
// it (trailing zeros included).
struct GaugeRow {
  std::string_view gauge;
  std::string_view thickness;
};

}  // namespace tallies
