#pragma once

namespace tallies {

// The sine and cosine of a Double in radians, rounded once to the nearest
// Double. They are computed by this program itself, in plain IEEE 754 double
// arithmetic, so every build shows the same digits whatever its C library's
// sin and cos would give. The argument is reduced exactly, for any finite
// magnitude up to the largest Double. A zero keeps its sign in the sine; a NaN
// or an infinity gives a NaN.
double Sine(double radians);
double Cosine(double radians);

}  // namespace tallies
