#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tallies {

// Millimetres in an inch, exactly (the international inch).
inline constexpr double kMillimetresPerInch = 25.4;

// Significant digits of a gauge thickness in millimetres.
inline constexpr int kGaugeMillimetreDigits = 4;

// A gauge thickness text in inches ("0.0060", as the gauge tables store it) in millimetres:
// the decimal digits times 25.4, worked out exactly in whole numbers, then rounded to
// kGaugeMillimetreDigits significant digits, halves up, trailing zeros kept as the inch texts
// keep theirs ("0.1524", "0.01245", "11.68", "25.40"). Four digits keep apart every two
// thicknesses of the tables, whose inch texts carry two to four. None for a text that is not
// plain digits with at most one decimal point.
std::optional<std::string> GaugeMillimetres(std::string_view inches,
                                            std::string_view decimalSeparator = ".");

}  // namespace tallies
