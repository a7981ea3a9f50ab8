// FormatDouble and FormatSingle on arbitrary bit patterns (bytes 0-7 a Double,
// bytes 8-11 a Single, missing bytes zero), with the separators ".", "," and a
// two-byte one. Every finite value's text keeps the display rules; the texts
// differ only in the separator; a Double's text reads back through
// ParseFieldNumber to a value that shows the same text again; a Single's text
// reads back to within half a unit of its 7th significant digit (a Double's to
// within half a unit of its 15th, but for the few above 1.79769313486231E+308,
// which show that number).

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

#include "numeric/arithmetic_fault.h"
#include "numeric/field_number.h"
#include "numeric/number_format.h"
#include "shown_number.h"

namespace {

// The separators tried: the usual point, a comma, and ARABIC DECIMAL SEPARATOR
// (two bytes in UTF-8).
constexpr std::array<std::string_view, 3> kSeparators{".", ",", "\xd9\xab"};
constexpr int kSingleDigits = 7;
constexpr int kDoubleDigits = 15;
// The largest number of 15 significant digits within the Double range: what the
// Doubles above it show.
constexpr double kLargestShownDouble = 1.79769313486231e308;

[[noreturn]] void Fail(const char* helper, long double value, std::string_view separator,
                       std::string_view text, const std::string& what) {
  std::fprintf(stderr, "%s(%La = %.21Lg) with separator [%.*s] gave [%.*s]: %s\n", helper, value,
               value, static_cast<int>(separator.size()), separator.data(),
               static_cast<int>(text.size()), text.data(), what.c_str());
  std::abort();
}

// The text with "." put for the separator, for comparing texts across separators.
std::string WithPoint(std::string_view text, std::string_view separator) {
  const std::size_t at = text.find(separator);
  if (at == std::string_view::npos) return std::string(text);
  return std::string(text.substr(0, at)) + "." + std::string(text.substr(at + separator.size()));
}

// Whether `readBack` lies within half a unit of the `digits`-th significant
// digit of `value`, allowing for the rounding of the read-back Double itself.
bool WithinHalfUnit(long double value, double readBack, int digits) {
  const long double magnitude = std::fabs(value);
  int exponent = static_cast<int>(std::floor(std::log10(magnitude)));
  while (std::pow(10.0L, exponent) > magnitude) --exponent;
  while (std::pow(10.0L, exponent + 1) <= magnitude) ++exponent;
  const long double halfUnit = 0.5L * std::pow(10.0L, exponent - digits + 1);
  const long double readBackUlp =
      std::nextafter(std::fabs(readBack), std::numeric_limits<double>::infinity()) -
      std::fabs(readBack);
  const long double allowed = halfUnit * (1 + 1e-12L) + readBackUlp / 2;
  return std::fabs(static_cast<long double>(readBack) - value) <= allowed;
}

// The checks shared by both helpers, with every separator.
template <typename T>
void CheckValue(T value, const char* helper, std::string (*format)(T, std::string_view),
                int digits) {
  std::string pointText;
  for (std::string_view separator : kSeparators) {
    const std::string text = format(value, separator);
    if (!std::isfinite(value)) {
      const char* fixed = std::isnan(value) ? "NAN" : (value < 0 ? "-INF" : "INF");
      if (text != fixed) Fail(helper, value, separator, text, "not the fixed non-finite text");
      continue;
    }
    if (const std::string fault = tallies::fuzz::ShownNumberFault(text, separator, digits);
        !fault.empty()) {
      Fail(helper, value, separator, text, fault);
    }
    if (text.starts_with('-') != (value < 0)) Fail(helper, value, separator, text, "wrong sign");
    if (separator == ".") {
      pointText = text;
    } else if (WithPoint(text, separator) != pointText) {
      Fail(helper, value, separator, text, "differs from [" + pointText + "] beyond the separator");
    }

    double readBack = 0;
    try {
      readBack = tallies::ParseFieldNumber(text, separator);
    } catch (const tallies::ArithmeticFault& fault) {
      Fail(helper, value, separator, text, std::string("reading the text back: ") + fault.what());
    }
    if (value == 0) {
      if (readBack != 0) Fail(helper, value, separator, text, "zero does not read back as 0");
      continue;
    }
    if (std::fabs(static_cast<double>(value)) > kLargestShownDouble) {
      // Rounded up, these would show a number beyond the Double range.
      if (readBack != std::copysign(kLargestShownDouble, static_cast<double>(value))) {
        Fail(helper, value, separator, text, "not shown as the largest readable number");
      }
    } else if (!WithinHalfUnit(value, readBack, digits)) {
      Fail(helper, value, separator, text, "reads back beyond half a unit of the last digit");
    }
  }
}

std::string FormatDoubleText(double value, std::string_view separator) {
  return tallies::FormatDouble(value, separator);
}
std::string FormatSingleText(float value, std::string_view separator) {
  return tallies::FormatSingle(value, separator);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::array<std::uint8_t, 12> bytes{};
  if (size > 0) std::memcpy(bytes.data(), data, size < bytes.size() ? size : bytes.size());
  double d;
  float f;
  std::memcpy(&d, bytes.data(), sizeof d);
  std::memcpy(&f, bytes.data() + sizeof d, sizeof f);

  CheckValue(d, "FormatDouble", &FormatDoubleText, kDoubleDigits);
  CheckValue(f, "FormatSingle", &FormatSingleText, kSingleDigits);

  // A Double's text must show the same text again once read back.
  if (std::isfinite(d)) {
    for (std::string_view separator : kSeparators) {
      const std::string text = tallies::FormatDouble(d, separator);
      const std::string again =
          tallies::FormatDouble(tallies::ParseFieldNumber(text, separator), separator);
      if (again != text) {
        Fail("FormatDouble", d, separator, text, "read back and shown again as [" + again + "]");
      }
    }
  }
  return 0;
}
