#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tallies::fuzz {

inline bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }

// Why a finite value's display text breaks the display rules, or an empty string
// when it keeps them. The text must be: an optional "-", one or more digits, an
// optional fraction (exactly `separator`, then digits not ending in 0), then an
// optional exponent (E, a sign, two or more digits). It holds at most `digits`
// significant digits, no grouping, no "-0", no leading zeros in the integer
// part, and it is scientific exactly when the shown decimal exponent lies
// outside -4 .. digits - 1 (C's %G rule).
inline std::string ShownNumberFault(std::string_view text, std::string_view separator, int digits) {
  std::size_t pos = 0;
  auto runOfDigits = [&] {
    const std::size_t start = pos;
    while (pos < text.size() && IsAsciiDigit(text[pos])) ++pos;
    return text.substr(start, pos - start);
  };

  const bool negative = pos < text.size() && text[pos] == '-';
  if (negative) ++pos;
  const std::string_view whole = runOfDigits();
  if (whole.empty()) return "no digit before the separator";
  std::string_view fraction;
  if (text.substr(pos).starts_with(separator)) {
    pos += separator.size();
    fraction = runOfDigits();
    if (fraction.empty()) return "a separator with no digit after it";
    if (fraction.back() == '0') return "a trailing zero in the fraction";
  }
  bool scientific = false;
  int exponent = 0;
  if (pos < text.size() && text[pos] == 'E') {
    scientific = true;
    ++pos;
    if (pos == text.size() || (text[pos] != '+' && text[pos] != '-')) return "no exponent sign";
    const bool negativeExponent = text[pos] == '-';
    ++pos;
    const std::string_view exponentDigits = runOfDigits();
    if (exponentDigits.size() < 2 || exponentDigits.size() > 3) return "a malformed exponent";
    for (char c : exponentDigits) exponent = exponent * 10 + (c - '0');
    if (negativeExponent) exponent = -exponent;
  }
  if (pos != text.size()) return "characters beyond the number (grouping or a foreign separator)";

  if (whole.size() > 1 && whole[0] == '0') return "a leading zero";
  const std::string all = std::string(whole) + std::string(fraction);
  const std::size_t firstSignificant = all.find_first_not_of('0');
  if (firstSignificant == std::string::npos) {
    // Only a plain, unsigned 0 may show the value zero.
    if (negative) return "a negative zero";
    if (text != "0") return "zero not shown as 0";
    return {};
  }
  if (all.size() - firstSignificant > static_cast<std::size_t>(digits)) {
    return "more significant digits than the precision";
  }

  if (scientific) {
    if (whole.size() != 1 || whole[0] == '0') return "a scientific mantissa not in 1 .. 9.99";
    if (exponent >= -4 && exponent < digits) return "scientific form inside the plain range";
  } else {
    const int shownExponent = whole != "0" ? static_cast<int>(whole.size()) - 1
                                           : -static_cast<int>(firstSignificant - whole.size()) - 1;
    if (shownExponent < -4 || shownExponent >= digits) return "plain form outside its range";
  }
  return {};
}

}  // namespace tallies::fuzz
