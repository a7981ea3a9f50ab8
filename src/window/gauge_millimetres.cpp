#include "window/gauge_millimetres.h"

#include <cstdint>

namespace tallies {
namespace {

// Tenths of a millimetre in an inch: 25.4 mm = 254 / 10 mm.
constexpr std::uint64_t kTenthMillimetresPerInch = 254;
// Digits the inch text may carry, so that its digits times 254 stay well inside 64 bits.
constexpr std::size_t kMostDigits = 15;

std::uint64_t PowerOfTen(int n) {
  std::uint64_t p = 1;
  for (int i = 0; i < n; ++i) p *= 10;
  return p;
}

int DigitCount(std::uint64_t v) {
  int n = 1;
  while (v >= 10) {
    v /= 10;
    ++n;
  }
  return n;
}

}  // namespace

std::optional<std::string> GaugeMillimetres(std::string_view inches,
                                            std::string_view decimalSeparator) {
  // The inch text as whole digits and a decimal exponent: "0.0060" is 60 × 10^-4.
  std::uint64_t digits = 0;
  std::size_t count = 0;
  int exponent = 0;
  bool point = false;
  for (char c : inches) {
    if (c == '.' && !point) {
      point = true;
    } else if (c >= '0' && c <= '9') {
      if (++count > kMostDigits) return std::nullopt;
      digits = digits * 10 + static_cast<std::uint64_t>(c - '0');
      if (point) --exponent;
    } else {
      return std::nullopt;
    }
  }
  if (count == 0) return std::nullopt;

  // Exactly: inches × 254 / 10 millimetres.
  std::uint64_t value = digits * kTenthMillimetresPerInch;
  exponent -= 1;
  if (value == 0) return std::nullopt;

  const int length = DigitCount(value);
  if (length > kGaugeMillimetreDigits) {
    const std::uint64_t scale = PowerOfTen(length - kGaugeMillimetreDigits);
    const std::uint64_t rest = value % scale;
    value /= scale;
    if (rest * 2 >= scale) ++value;
    exponent += length - kGaugeMillimetreDigits;
    if (DigitCount(value) > kGaugeMillimetreDigits) {  // 9999.5 rounded up to 10000
      value /= 10;
      ++exponent;
    }
  } else {
    value *= PowerOfTen(kGaugeMillimetreDigits - length);
    exponent -= kGaugeMillimetreDigits - length;
  }

  std::string text = std::to_string(value);
  if (exponent >= 0) return text + std::string(static_cast<std::size_t>(exponent), '0');
  const std::size_t decimals = static_cast<std::size_t>(-exponent);
  if (text.size() <= decimals) text.insert(0, decimals - text.size() + 1, '0');
  text.insert(text.size() - decimals, decimalSeparator);
  return text;
}

}  // namespace tallies
