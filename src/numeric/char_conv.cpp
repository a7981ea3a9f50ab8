#include "numeric/char_conv.h"

#if !defined(__cpp_lib_to_chars)
#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#if __has_include(<xlocale.h>)
#include <xlocale.h>
#endif
#include <locale.h>
#endif

namespace tallies {

#if defined(__cpp_lib_to_chars)

std::from_chars_result FromChars(const char* first, const char* last, double& value,
                                 std::chars_format format) {
  return std::from_chars(first, last, value, format);
}

std::to_chars_result ToChars(char* first, char* last, double value, std::chars_format format,
                             int precision) {
  return std::to_chars(first, last, value, format, precision);
}

std::to_chars_result ToChars(char* first, char* last, float value, std::chars_format format,
                             int precision) {
  return std::to_chars(first, last, value, format, precision);
}

#else

namespace {

// The C locale, whatever locale the program runs in: a decimal point is always '.'.
locale_t CLocale() {
  static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return c;
}

// Runs `work` with the C locale as this thread's locale.
template <typename Work>
auto InCLocale(Work work) {
  const locale_t previous = uselocale(CLocale());
  auto result = work();
  uselocale(previous);
  return result;
}

bool IsDigitOf(char c, std::chars_format format) {
  if (c >= '0' && c <= '9') return true;
  return format == std::chars_format::hex && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'));
}

// The length of the number std::from_chars would read at the start of [first, last): an
// optional '-', digits with at most one point, and (general format) an exponent with digits.
std::size_t NumberLength(const char* first, const char* last, std::chars_format format) {
  const char* p = first;
  if (p != last && *p == '-') ++p;
  bool digits = false;
  while (p != last && IsDigitOf(*p, format)) digits = true, ++p;
  if (p != last && *p == '.') {
    ++p;
    while (p != last && IsDigitOf(*p, format)) digits = true, ++p;
  }
  if (!digits) return 0;
  const char exponent = format == std::chars_format::hex ? 'p' : 'e';
  if (p != last && (*p == exponent || *p == exponent - 32)) {
    const char* q = p + 1;
    if (q != last && (*q == '+' || *q == '-')) ++q;
    if (q != last && *q >= '0' && *q <= '9') {
      while (q != last && *q >= '0' && *q <= '9') ++q;
      p = q;
    }
  }
  return static_cast<std::size_t>(p - first);
}

}  // namespace

std::from_chars_result FromChars(const char* first, const char* last, double& value,
                                 std::chars_format format) {
  const std::size_t length = NumberLength(first, last, format);
  if (length == 0) return {first, std::errc::invalid_argument};
  std::string text(first, length);
  if (format == std::chars_format::hex) {
    // strtod reads hexadecimal only after a 0x prefix, which from_chars does not take.
    const std::size_t sign = text[0] == '-' ? 1 : 0;
    text.insert(sign, "0x");
  }
  errno = 0;
  const double parsed = strtod_l(text.c_str(), nullptr, CLocale());
  // strtod reports a range error for results that overflow, that round to zero, and for
  // subnormal ones; from_chars only for the first two. The text holds no "inf", so an infinite
  // result is an overflow whether or not errno says so: musl's strtod (emscripten's) gives
  // infinity without a range error for hexadecimal numbers just beyond the largest double.
  if (std::isinf(parsed) || (errno == ERANGE && parsed == 0)) {
    return {first + length, std::errc::result_out_of_range};
  }
  value = parsed;
  return {first + length, std::errc{}};
}

namespace {

template <typename T>
std::to_chars_result Print(char* first, char* last, T value, std::chars_format format,
                           int precision) {
  const char* pattern = format == std::chars_format::fixed        ? "%.*f"
                        : format == std::chars_format::scientific ? "%.*e"
                                                                  : "%.*g";
  const int written = InCLocale([&] {
    return std::snprintf(first, static_cast<std::size_t>(last - first), pattern, precision,
                         static_cast<double>(value));
  });
  if (written < 0 || written >= last - first) return {last, std::errc::value_too_large};
  return {first + written, std::errc{}};
}

}  // namespace

std::to_chars_result ToChars(char* first, char* last, double value, std::chars_format format,
                             int precision) {
  return Print(first, last, value, format, precision);
}

std::to_chars_result ToChars(char* first, char* last, float value, std::chars_format format,
                             int precision) {
  // printf rounds the float's exact value, as to_chars does.
  return Print(first, last, value, format, precision);
}

#endif

}  // namespace tallies
