#include "numeric/number_format.h"

#include <charconv>
#include <cmath>

#include "numeric/char_conv.h"

namespace tallies {
namespace {

// The largest number of 15 significant digits within the Double range.
constexpr double kLargestReadableDouble = 1.79769313486231e308;

template <typename T>
std::string FormatGeneral(T value, int digits, std::string_view decimalSeparator) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  if (value == 0) return "0";  // also for a negative zero

  // to_chars in general form with a precision follows %g: at most `digits`
  // significant digits, trailing zeros and a bare point dropped, scientific
  // form below 1E-4 and from 10^digits on, exponent of at least two digits.
  char buffer[64];
  auto [end, ec] =
      ToChars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits);
  std::string text;
  text.reserve(static_cast<std::size_t>(end - buffer) + decimalSeparator.size());
  for (const char* p = buffer; p != end; ++p) {
    if (*p == '.') {
      text += decimalSeparator;
    } else if (*p == 'e') {
      text.push_back('E');
    } else {
      text.push_back(*p);
    }
  }
  return text;
}

}  // namespace

std::string FormatSingle(float value, std::string_view decimalSeparator) {
  return FormatGeneral(value, 7, decimalSeparator);
}

std::string FormatDouble(double value, std::string_view decimalSeparator) {
  // The largest Doubles round up, at 15 digits, to 1.79769313486232E+308, a
  // number beyond the Double range that would read back as an overflow. They
  // are shown as the largest 15-digit number within the range instead, so that
  // every text written into a field reads back.
  if (std::isfinite(value) && std::fabs(value) > kLargestReadableDouble) {
    value = std::copysign(kLargestReadableDouble, value);
  }
  return FormatGeneral(value, 15, decimalSeparator);
}

}  // namespace tallies
