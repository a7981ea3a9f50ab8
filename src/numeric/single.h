#pragma once

namespace tallies {

// Rounds a Double to the nearest Single (ties to even). A magnitude beyond the
// largest finite Single is an overflow fault, a NaN an invalid operation; a
// value too small for Single becomes a subnormal value or 0 without a fault.
float NarrowToSingle(double value);

// Rounds to n decimal places, halves going to the even neighbour, and keeps the
// precision of the argument. A value already whole at that scale is returned
// as it is (so 1E303 with 6 places stays 1E303 instead of overflowing).
float RoundToDecimals(float value, int places);
double RoundToDecimals(double value, int places);

}  // namespace tallies
