#pragma once

#include <span>

#include "conversions/unit_pair.h"

namespace tallies {

// The 25 conversion pairs of the length, volume, weight, weight-per-length,
// density and area pages, in the order of their buttons on those pages.
std::span<const UnitPair> UnitPairTable();

}  // namespace tallies
