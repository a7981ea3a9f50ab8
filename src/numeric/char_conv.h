#pragma once

#include <charconv>
#include <cstring>
#include <system_error>
#include <type_traits>
#if __has_include(<version>)
#include <version>
#endif
#if defined(__cpp_lib_bit_cast)
#include <bit>
#endif

namespace tallies {

// The standard library's number conversions where the library has them, and small stand-ins
// where it does not: LLVM's libc++ reads no floating-point text with std::from_chars before
// version 20 (nor does the library of older macOS and of emscripten), and older libc++ lacks
// std::to_chars with a precision and std::bit_cast. The library's feature-test macros say which.

// Reads a double from [first, last) as std::from_chars does: `format` general (decimal, with an
// optional exponent) or hex (hexadecimal digits without a prefix); result_out_of_range when the
// value is beyond the range or rounds to zero, `value` then unchanged.
std::from_chars_result FromChars(const char* first, const char* last, double& value,
                                 std::chars_format format);

// Writes a double or float with a precision as std::to_chars does, which follows printf in the
// C locale: %g for the general form, %e for scientific, %f for fixed.
std::to_chars_result ToChars(char* first, char* last, double value, std::chars_format format,
                             int precision);
std::to_chars_result ToChars(char* first, char* last, float value, std::chars_format format,
                             int precision);

// The bits of a value as another type of the same size.
template <typename To, typename From>
constexpr To BitCast(const From& from) noexcept {
  static_assert(sizeof(To) == sizeof(From));
#if defined(__cpp_lib_bit_cast)
  return std::bit_cast<To>(from);
#else
  return __builtin_bit_cast(To, from);
#endif
}

}  // namespace tallies
