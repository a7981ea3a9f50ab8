#pragma once

#include <string>
#include <string_view>

namespace tallies {

// Display text of a result: at most 7 (Single) or 15 (Double) significant
// digits, trailing zeros dropped, no digit grouping, never "-0", and the
// regional decimal separator. A value whose rounded decimal exponent lies from
// -4 to 6 (Single) or -4 to 14 (Double) is written plainly (0.0001, 9999999);
// others in scientific form with an upper-case E, a sign and at least two
// exponent digits (1E-05, 1.234568E+08, 1E+15). This is the rule of C's %G.
// Infinities and NaN, which no calculation shows, read "INF", "-INF", "NAN".
// The few Doubles beyond 1.79769313486231E+308 in magnitude show as that number:
// rounded up, their text would lie beyond the Double range and not read back.
std::string FormatSingle(float value, std::string_view decimalSeparator = ".");
std::string FormatDouble(double value, std::string_view decimalSeparator = ".");

}  // namespace tallies
