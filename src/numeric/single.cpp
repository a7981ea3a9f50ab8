#include "numeric/single.h"

#include <cmath>

#include "numeric/arithmetic_fault.h"

namespace tallies {
namespace {

// Halfway between the largest finite Single and 2^128: from here upwards a
// Double rounds to infinity when narrowed (the tie goes to the even 2^128).
constexpr double kSingleOverflowThreshold = 0x1.ffffffp+127;

// 2^52: every Double of this magnitude or more is a whole number.
constexpr double kAllWhole = 0x1p52;

double RoundScaled(double value, int places) {
  if (value == 0.0 || !std::isfinite(value)) return value;
  const double scale = std::pow(10.0, places);
  const double scaled = value * scale;
  if (!std::isfinite(scaled) || std::fabs(scaled) >= kAllWhole) return value;
  // nearbyint rounds halves to even in the default rounding mode.
  return std::nearbyint(scaled) / scale;
}

}  // namespace

float NarrowToSingle(double value) {
  if (std::isnan(value)) throw ArithmeticFault(FaultKind::kInvalidOperation);
  if (std::fabs(value) >= kSingleOverflowThreshold) throw ArithmeticFault(FaultKind::kOverflow);
  return static_cast<float>(value);
}

float RoundToDecimals(float value, int places) {
  // Scaled in Double, where x * 10^n of any Single is exact enough, then
  // narrowed back: the result is a Single like its argument.
  return static_cast<float>(RoundScaled(static_cast<double>(value), places));
}

double RoundToDecimals(double value, int places) { return RoundScaled(value, places); }

}  // namespace tallies
