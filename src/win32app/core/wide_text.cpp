#include "win32app/core/wide_text.h"

namespace tallies {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// The length of the sequence a lead byte starts, or 0 for a byte that cannot start one.
int SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

// Decodes the code point at text[i] and moves i past it; a malformed sequence yields U+FFFD and
// moves past its longest valid start only, as the Unicode standard recommends.
char32_t DecodeOne(std::string_view text, std::size_t& i) {
  const auto lead = static_cast<unsigned char>(text[i]);
  const int length = SequenceLength(lead);
  ++i;
  if (length == 1) return lead;
  if (length == 0) return kReplacement;
  char32_t code = lead & (0x7F >> length);
  for (int k = 1; k < length; ++k) {
    if (i >= text.size()) return kReplacement;
    const auto next = static_cast<unsigned char>(text[i]);
    // The second byte of some leads has a narrower range: no overlong forms, no surrogates,
    // nothing beyond U+10FFFF.
    unsigned char low = 0x80, high = 0xBF;
    if (k == 1 && lead == 0xE0) low = 0xA0;
    if (k == 1 && lead == 0xED) high = 0x9F;
    if (k == 1 && lead == 0xF0) low = 0x90;
    if (k == 1 && lead == 0xF4) high = 0x8F;
    if (next < low || next > high) return kReplacement;
    code = (code << 6) | (next & 0x3F);
    ++i;
  }
  return code;
}

void AppendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

std::u16string Utf8ToUtf16(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const char32_t code = DecodeOne(text, i);
    if (code < 0x10000) {
      out += static_cast<char16_t>(code);
    } else {
      out += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
      out += static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
    }
  }
  return out;
}

std::string Utf16ToUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t unit = text[i];
    if (IsHighSurrogate(unit) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      AppendUtf8(out, 0x10000 + ((char32_t(unit) - 0xD800) << 10) + (text[i + 1] - 0xDC00));
      ++i;
    } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
      AppendUtf8(out, kReplacement);
    } else {
      AppendUtf8(out, unit);
    }
  }
  return out;
}

}  // namespace tallies
