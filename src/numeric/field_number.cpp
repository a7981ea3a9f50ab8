#include "numeric/field_number.h"

#include <charconv>
#include <limits>
#include <string>
#include <system_error>

#include "numeric/arithmetic_fault.h"
#include "numeric/char_conv.h"

namespace tallies {
namespace {

bool IsSkipped(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Walks the text, passing over blanks, tabs and line feeds.
class Scanner {
 public:
  Scanner(std::string_view text, std::string_view regionalSeparator)
      : m_text(text), m_regional(regionalSeparator) {}

  // The next character that counts, or '\0' at the end.
  char Peek() {
    SkipBlanks();
    return m_pos < m_text.size() ? m_text[m_pos] : '\0';
  }
  void Take() { ++m_pos; }

  // Takes a decimal separator ("." or the regional one) if one stands next.
  bool TakeSeparator() {
    if (Peek() == '.') {
      Take();
      return true;
    }
    if (m_regional.empty() || m_regional == ".") return false;
    if (m_text.substr(m_pos).starts_with(m_regional)) {
      m_pos += m_regional.size();
      return true;
    }
    return false;
  }

  std::size_t Position() const { return m_pos; }
  void Rewind(std::size_t pos) { m_pos = pos; }

 private:
  void SkipBlanks() {
    while (m_pos < m_text.size() && IsSkipped(m_text[m_pos])) ++m_pos;
  }

  std::string_view m_text;
  std::string_view m_regional;
  std::size_t m_pos = 0;
};

// A regional separator is only usable when it cannot be mistaken for a part of
// a number or for a skipped character.
std::string_view UsableSeparator(std::string_view sep) {
  for (char c : sep) {
    if (IsDigit(c) || IsSkipped(c) || c == '+' || c == '-' || c == 'e' || c == 'E' || c == '&') {
      return {};
    }
  }
  return sep;
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

bool IsHexDigit(char c) { return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

double ParseRadixNumber(Scanner& scan, bool hex, bool& anyDigit) {
  std::string digits;
  for (char c = scan.Peek(); hex ? IsHexDigit(c) : (c >= '0' && c <= '7'); c = scan.Peek()) {
    if (!(digits.empty() && c == '0')) digits.push_back(c);  // leading zeros add nothing
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
  Scanner scan(text, UsableSeparator(regionalSeparator));
  const auto found = [&scan](double value) { return LeadingNumber{value, scan.Position(), true}; };
  const auto none = [&scan] { return LeadingNumber{0.0, scan.Position(), false}; };

  if (scan.Peek() == '&') {
    std::size_t start = scan.Position();
    scan.Take();
    char prefix = scan.Peek();
    if (prefix == 'H' || prefix == 'h' || prefix == 'O' || prefix == 'o') {
      scan.Take();
      bool anyDigit = false;
      const double value = ParseRadixNumber(scan, prefix == 'H' || prefix == 'h', anyDigit);
      return anyDigit ? found(value) : none();
    }
    scan.Rewind(start);
    return none();
  }

  std::string clean;
  if (scan.Peek() == '+' || scan.Peek() == '-') {
    if (scan.Peek() == '-') clean.push_back('-');
    scan.Take();
  }
  bool anyDigit = false;
  bool separatorSeen = false;
  for (;;) {
    char c = scan.Peek();
    if (IsDigit(c)) {
      clean.push_back(c);
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
  if (scan.Peek() == 'e' || scan.Peek() == 'E') {
    std::size_t beforeExponent = scan.Position();
    std::string exponent = "e";
    scan.Take();
    if (scan.Peek() == '+' || scan.Peek() == '-') {
      exponent.push_back(scan.Peek());
      scan.Take();
    }
    bool exponentDigit = false;
    while (IsDigit(scan.Peek())) {
      exponent.push_back(scan.Peek());
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
