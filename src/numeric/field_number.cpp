#include "numeric/field_number.h"

#include <charconv>
#include <limits>
#include <string>
#include <system_error>

#include "numeric/arithmetic_fault.h"
#include "numeric/char_conv.h"
#include "numeric/code_point.h"

namespace tallies {
namespace {

// Blanks, tabs and line feeds, and the invisible format characters (direction
// marks, zero-width characters, the soft hyphen...), are passed over wherever
// they stand: a mark a phone keyboard or a paste leaves between two digits must
// not cut the number short.
bool IsSkipped(char32_t c) {
  return c == U' ' || c == U'\t' || c == U'\n' || (c >= 0x80 && IsFormatCharacter(c));
}
// The value of a decimal digit of any script, or -1; ASCII without a table lookup.
int DigitValue(char32_t c) {
  if (c < 0x80) return c >= U'0' && c <= U'9' ? static_cast<int>(c - U'0') : -1;
  return DecimalDigitValue(c);
}
bool IsAsciiDigit(char32_t c) { return c >= U'0' && c <= U'9'; }

// Walks the text character by character, passing over the skipped ones.
class Scanner {
 public:
  Scanner(std::string_view text, std::string_view regionalSeparator)
      : m_text(text), m_regional(regionalSeparator) {}

  // The next character that counts, or U+0000 at the end.
  char32_t Peek() {
    while (m_pos < m_text.size()) {
      const auto byte = static_cast<unsigned char>(m_text[m_pos]);
      const CodePoint c = byte < 0x80 ? CodePoint{byte, 1} : DecodeUtf8(m_text, m_pos);
      if (!IsSkipped(c.value)) {
        m_size = c.size;
        return c.value;
      }
      m_pos += c.size;
    }
    m_size = 0;
    return U'\0';
  }
  // Passes the character Peek last answered.
  void Take() { m_pos += m_size; }

  // Takes a decimal separator ("." or the regional one) if one stands next.
  bool TakeSeparator() {
    if (Peek() == U'.') {
      Take();
      return true;
    }
    if (m_regional.empty()) return false;
    const std::size_t start = m_pos;
    for (std::size_t i = 0; i < m_regional.size();) {
      const CodePoint wanted = DecodeUtf8(m_regional, i);
      if (Peek() != wanted.value) {
        Rewind(start);
        return false;
      }
      Take();
      i += wanted.size;
    }
    return true;
  }

  std::size_t Position() const { return m_pos; }
  void Rewind(std::size_t pos) {
    m_pos = pos;
    m_size = 0;
  }

 private:
  std::string_view m_text;
  std::string_view m_regional;
  std::size_t m_pos = 0;
  std::size_t m_size = 0;  // bytes of the character Peek last found
};

// A regional separator is only usable when it cannot be mistaken for a part of
// a number or for a skipped character, and is valid UTF-8 (an invalid byte in
// the text always ends the number). Format characters in it are dropped, as they
// are in the text; "." needs no second look.
std::string UsableSeparator(std::string_view sep) {
  if (sep == ".") return {};
  std::string usable;
  for (std::size_t i = 0; i < sep.size();) {
    const CodePoint c = DecodeUtf8(sep, i);
    if (!IsFormatCharacter(c.value)) {
      if (c.value == kInvalidCodePoint || DigitValue(c.value) >= 0 || IsSkipped(c.value) ||
          c.value == U'+' || c.value == U'-' || c.value == U'e' || c.value == U'E' ||
          c.value == U'&') {
        return {};
      }
      usable.append(sep.substr(i, c.size));
    }
    i += c.size;
  }
  return usable == "." ? std::string() : usable;
}

double WholeFromHex(const std::string& clean, std::chars_format format) {
  double value = 0.0;
  const char* first = clean.data();
  const char* last = first + clean.size();
  auto [ptr, ec] = FromChars(first, last, value, format);
  // A whole number can only leave the range upwards.
  if (ec == std::errc::result_out_of_range) throw ArithmeticFault(FaultKind::kOverflow);
  return value;
}

// Octal digits rewritten as hexadecimal digits of the same value.
std::string OctalToHex(const std::string& octal) {
  std::string bits;
  bits.reserve(octal.size() * 3 + 3);
  for (char c : octal) {
    int d = c - '0';
    bits.push_back(d & 4 ? '1' : '0');
    bits.push_back(d & 2 ? '1' : '0');
    bits.push_back(d & 1 ? '1' : '0');
  }
  bits.insert(0, (4 - bits.size() % 4) % 4, '0');
  std::string hex;
  hex.reserve(bits.size() / 4);
  for (std::size_t i = 0; i < bits.size(); i += 4) {
    int v = (bits[i] - '0') * 8 + (bits[i + 1] - '0') * 4 + (bits[i + 2] - '0') * 2 +
            (bits[i + 3] - '0');
    hex.push_back("0123456789abcdef"[v]);
  }
  return hex;
}

// The &H and &O forms take ASCII digits and letters only.
bool IsHexDigit(char32_t c) {
  return IsAsciiDigit(c) || (c >= U'a' && c <= U'f') || (c >= U'A' && c <= U'F');
}

double ParseRadixNumber(Scanner& scan, bool hex, bool& anyDigit) {
  std::string digits;
  for (char32_t c = scan.Peek(); hex ? IsHexDigit(c) : (c >= U'0' && c <= U'7'); c = scan.Peek()) {
    // Leading zeros add nothing.
    if (!(digits.empty() && c == U'0')) digits.push_back(static_cast<char>(c));
    anyDigit = true;
    scan.Take();
  }
  if (digits.empty()) return 0.0;
  return WholeFromHex(hex ? digits : OctalToHex(digits), std::chars_format::hex);
}

// Whether a clean decimal number (optional '-', digits, optional '.', optional
// e and exponent) that from_chars found out of range is too large rather than
// too small: the decimal exponent of its first significant digit decides.
bool IsHugeDecimal(const std::string& clean) {
  long exponent = 0;
  std::size_t e = clean.find('e');
  if (e != std::string::npos) {
    const char* first = clean.data() + e + 1;
    if (*first == '+') ++first;
    long parsed = 0;
    auto [ptr, ec] = std::from_chars(first, clean.data() + clean.size(), parsed);
    // An exponent beyond the range of long stands for itself as the extreme of
    // that range: no run of mantissa digits can bring it back.
    if (ec == std::errc::result_out_of_range) {
      parsed = *first == '-' ? std::numeric_limits<long>::min() : std::numeric_limits<long>::max();
    }
    exponent = parsed;
  }
  std::string_view mantissa(clean.data(), e == std::string::npos ? clean.size() : e);
  if (!mantissa.empty() && mantissa[0] == '-') mantissa.remove_prefix(1);
  std::size_t dot = mantissa.find('.');
  std::size_t intDigits = dot == std::string_view::npos ? mantissa.size() : dot;
  std::size_t firstNonZero = mantissa.find_first_not_of("0.");
  if (firstNonZero == std::string_view::npos) return false;
  long position = firstNonZero < intDigits ? static_cast<long>(intDigits - firstNonZero)
                                           : -static_cast<long>(firstNonZero - intDigits - 1);
  // exponent + position > 0, compared so that an extreme exponent cannot
  // overflow: the position is bounded by the length of the text.
  return exponent > -position;
}

}  // namespace

LeadingNumber ParseLeadingNumber(std::string_view text, std::string_view regionalSeparator) {
  // The scanner keeps a view of the separator: it lives as long as the scan.
  const std::string separator = UsableSeparator(regionalSeparator);
  Scanner scan(text, separator);
  const auto found = [&scan](double value) { return LeadingNumber{value, scan.Position(), true}; };
  const auto none = [&scan] { return LeadingNumber{0.0, scan.Position(), false}; };

  if (scan.Peek() == U'&') {
    std::size_t start = scan.Position();
    scan.Take();
    char32_t prefix = scan.Peek();
    if (prefix == U'H' || prefix == U'h' || prefix == U'O' || prefix == U'o') {
      scan.Take();
      bool anyDigit = false;
      const double value = ParseRadixNumber(scan, prefix == U'H' || prefix == U'h', anyDigit);
      return anyDigit ? found(value) : none();
    }
    scan.Rewind(start);
    return none();
  }

  std::string clean;
  if (scan.Peek() == U'+' || scan.Peek() == U'-') {
    if (scan.Peek() == U'-') clean.push_back('-');
    scan.Take();
  }
  bool anyDigit = false;
  bool separatorSeen = false;
  for (;;) {
    // A digit of any script is written down as its ASCII digit.
    const int digit = DigitValue(scan.Peek());
    if (digit >= 0) {
      clean.push_back(static_cast<char>('0' + digit));
      anyDigit = true;
      scan.Take();
    } else if (!separatorSeen && scan.TakeSeparator()) {
      clean.push_back('.');
      separatorSeen = true;
    } else {
      break;
    }
  }
  if (!anyDigit) return none();

  // An exponent counts only when at least one digit follows E and its sign.
  if (scan.Peek() == U'e' || scan.Peek() == U'E') {
    std::size_t beforeExponent = scan.Position();
    std::string exponent = "e";
    scan.Take();
    if (scan.Peek() == U'+' || scan.Peek() == U'-') {
      exponent.push_back(static_cast<char>(scan.Peek()));
      scan.Take();
    }
    bool exponentDigit = false;
    for (int digit = DigitValue(scan.Peek()); digit >= 0; digit = DigitValue(scan.Peek())) {
      exponent.push_back(static_cast<char>('0' + digit));
      exponentDigit = true;
      scan.Take();
    }
    if (exponentDigit) {
      clean += exponent;
    } else {
      scan.Rewind(beforeExponent);
    }
  }

  double value = 0.0;
  const char* first = clean.data();
  auto [ptr, ec] = FromChars(first, first + clean.size(), value, std::chars_format::general);
  if (ec == std::errc::result_out_of_range) {
    if (IsHugeDecimal(clean)) throw ArithmeticFault(FaultKind::kOverflow);
    return found(clean[0] == '-' ? -0.0 : 0.0);
  }
  return found(value);
}

double ParseFieldNumber(std::string_view text, std::string_view regionalSeparator) {
  return ParseLeadingNumber(text, regionalSeparator).value;
}

}  // namespace tallies
