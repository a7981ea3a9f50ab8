// ParseFieldNumber on arbitrary bytes must never crash and must agree, to the
// bit, with a small reading of the same text that takes another road: the text
// decoded first (a sequence is valid when its value, written back in its
// shortest form, gives the same bytes), blanks and format characters stripped,
// digits of every script written as ASCII digits, decimals converted by strtod
// in the C locale, &H and &O digits rounded bit by bit. Which characters are
// digits and format characters comes from the numeric core's own tables, whose
// edges its unit tests pin. The first input byte picks the regional separator:
// "," when it is odd (such as "1"), "." when it is even (such as "0"); the rest
// is the field text.

#include <locale.h>

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "numeric/arithmetic_fault.h"
#include "numeric/code_point.h"
#include "numeric/field_number.h"

namespace {

// Significant bits of a Double.
constexpr std::size_t kMantissaBits = 53;
// Binary digits of 2^1024, the first whole number beyond the Double range.
constexpr std::size_t kOverflowBits = 1025;

// What the reading of a text should give: a value or an overflow fault.
struct Reading {
  bool overflow = false;
  double value = 0.0;
};

bool IsBlank(char32_t c) { return c == U' ' || c == U'\t' || c == U'\n'; }
bool IsDigit(char32_t c) { return tallies::DecimalDigitValue(c) >= 0; }
// What a character stands for in the clean text handed to strtod.
char AsciiDigit(char32_t c) { return static_cast<char>('0' + tallies::DecimalDigitValue(c)); }

int HexDigitValue(char32_t c) {
  if (c >= U'0' && c <= U'9') return static_cast<int>(c - U'0');
  if (c >= U'a' && c <= U'f') return static_cast<int>(c - U'a') + 10;
  if (c >= U'A' && c <= U'F') return static_cast<int>(c - U'A') + 10;
  return -1;
}

// The code point written in its shortest UTF-8 form.
std::string Encode(char32_t c) {
  std::string out;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
  return out;
}

// The characters of the text that count, blanks and format characters left
// out. An invalid sequence ends the list as a character that continues nothing.
std::u32string Characters(std::string_view text) {
  std::u32string chars;
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t size = lead < 0x80   ? 1
                             : lead < 0xC0 ? 0
                             : lead < 0xE0 ? 2
                             : lead < 0xF0 ? 3
                             : lead < 0xF8 ? 4
                                           : 0;
    char32_t value = size == 2 ? lead & 0x1F : size == 3 ? lead & 0x0F : lead & 0x07;
    if (size == 1) value = lead;
    bool valid = size != 0 && i + size <= text.size();
    for (std::size_t k = 1; valid && k < size; ++k) {
      const auto b = static_cast<unsigned char>(text[i + k]);
      valid = (b & 0xC0) == 0x80;
      value = (value << 6) | (b & 0x3F);
    }
    valid = valid && value <= 0x10FFFF && !(value >= 0xD800 && value <= 0xDFFF) &&
            Encode(value) == text.substr(i, size);
    if (!valid) {
      chars.push_back(U'\uFFFD');
      break;
    }
    if (!IsBlank(value) && !tallies::IsFormatCharacter(value)) chars.push_back(value);
    i += size;
  }
  return chars;
}

// A whole number given by its binary digits (no leading zeros), rounded to the
// nearest Double with ties to even, by hand.
Reading FromBinaryDigits(const std::string& bits) {
  if (bits.empty()) return {};
  std::uint64_t mantissa = 0;
  for (std::size_t i = 0; i < bits.size() && i < kMantissaBits; ++i) {
    mantissa = mantissa * 2 + static_cast<std::uint64_t>(bits[i] - '0');
  }
  if (bits.size() <= kMantissaBits) return {false, static_cast<double>(mantissa)};

  std::size_t length = bits.size();
  const bool half = bits[kMantissaBits] == '1';
  const bool beyondHalf = bits.find('1', kMantissaBits + 1) != std::string::npos;
  if (half && (beyondHalf || (mantissa & 1) != 0)) {
    ++mantissa;
    if (mantissa == (std::uint64_t{1} << kMantissaBits)) {
      mantissa >>= 1;
      ++length;
    }
  }
  if (length >= kOverflowBits) return {true, 0.0};
  return {false,
          std::ldexp(static_cast<double>(mantissa), static_cast<int>(length - kMantissaBits))};
}

// &H / &O digits (after the prefix) as binary digits without leading zeros.
Reading ReadRadix(std::u32string_view digits, bool hex) {
  std::string bits;
  for (char32_t c : digits) {
    const int value =
        hex ? HexDigitValue(c) : (c >= U'0' && c <= U'7' ? static_cast<int>(c - U'0') : -1);
    if (value < 0) break;
    for (int bit = hex ? 3 : 2; bit >= 0; --bit) {
      const char b = (value >> bit) & 1 ? '1' : '0';
      if (b == '1' || !bits.empty()) bits.push_back(b);
    }
  }
  return FromBinaryDigits(bits);
}

locale_t CLocale() {
  static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
  return c;
}

Reading ReadReference(std::string_view text, bool commaIsSeparator) {
  const std::u32string s = Characters(text);
  const std::u32string_view v(s);
  if (v.starts_with(U"&H") || v.starts_with(U"&h")) return ReadRadix(v.substr(2), true);
  if (v.starts_with(U"&O") || v.starts_with(U"&o")) return ReadRadix(v.substr(2), false);

  // [+-] digits and at most one separator (at least one digit), then an
  // exponent that counts only with a digit. Nothing else ever reaches strtod.
  std::string clean;
  std::size_t i = 0;
  if (i < s.size() && (s[i] == U'+' || s[i] == U'-')) clean.push_back(static_cast<char>(s[i++]));
  bool anyDigit = false;
  bool separatorSeen = false;
  for (; i < s.size(); ++i) {
    if (IsDigit(s[i])) {
      clean.push_back(AsciiDigit(s[i]));
      anyDigit = true;
    } else if (!separatorSeen && (s[i] == U'.' || (commaIsSeparator && s[i] == U','))) {
      clean.push_back('.');
      separatorSeen = true;
    } else {
      break;
    }
  }
  if (!anyDigit) return {};
  if (i < s.size() && (s[i] == U'e' || s[i] == U'E')) {
    std::size_t j = i + 1;
    std::string exponent = "e";
    if (j < s.size() && (s[j] == U'+' || s[j] == U'-')) {
      exponent.push_back(static_cast<char>(s[j++]));
    }
    if (j < s.size() && IsDigit(s[j])) {
      while (j < s.size() && IsDigit(s[j])) exponent.push_back(AsciiDigit(s[j++]));
      clean += exponent;
    }
  }

  errno = 0;
  char* end = nullptr;
  const double value = strtod_l(clean.c_str(), &end, CLocale());
  if (end != clean.c_str() + clean.size()) {
    std::fprintf(stderr, "reference could not read its own text [%s]\n", clean.c_str());
    std::abort();
  }
  if (errno == ERANGE && std::isinf(value)) return {true, 0.0};
  return {false, value};
}

void PrintText(std::string_view text) {
  for (unsigned char c : text) {
    if (c >= 0x20 && c < 0x7f && c != '\\') {
      std::fputc(c, stderr);
    } else {
      std::fprintf(stderr, "\\x%02x", c);
    }
  }
}

[[noreturn]] void Fail(std::string_view text, std::string_view separator, const char* what,
                       double expected, double got) {
  std::fprintf(stderr, "ParseFieldNumber disagrees (%s)\n  separator [%.*s]\n  text [", what,
               static_cast<int>(separator.size()), separator.data());
  PrintText(text);
  std::fprintf(stderr, "]\n  expected %a (%.17g)\n  got      %a (%.17g)\n", expected, expected, got,
               got);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const bool comma = (data[0] & 1) != 0;
  const std::string_view separator = comma ? "," : ".";
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

  const Reading expected = ReadReference(text, comma);
  try {
    const double got = tallies::ParseFieldNumber(text, separator);
    if (expected.overflow) Fail(text, separator, "an overflow fault was due", HUGE_VAL, got);
    if (std::memcmp(&got, &expected.value, sizeof got) != 0) {
      Fail(text, separator, "different value", expected.value, got);
    }
  } catch (const tallies::ArithmeticFault& fault) {
    if (!expected.overflow) Fail(text, separator, fault.what(), expected.value, 0.0);
    if (fault.kind() != tallies::FaultKind::kOverflow) {
      Fail(text, separator, fault.what(), HUGE_VAL, 0.0);
    }
  }
  return 0;
}
