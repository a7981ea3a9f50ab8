#pragma once

namespace tallies {

// The units a window speaks: the designed US customary units, or metric units with formulas
// worked out from exact SI definitions.
enum class UnitSystem { kUS, kMetric };

}  // namespace tallies
