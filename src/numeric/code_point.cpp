#include "numeric/code_point.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace tallies {
namespace {

// The zero of every block of decimal digits (Unicode 16.0, category Nd). Unicode
// assigns each such block as ten consecutive code points, zero to nine.
constexpr std::array<char32_t, 76> kDigitZeros = {
    0x0030,  0x0660,  0x06F0,  0x07C0,  0x0966,  0x09E6,  0x0A66,  0x0AE6,  0x0B66,  0x0BE6,
    0x0C66,  0x0CE6,  0x0D66,  0x0DE6,  0x0E50,  0x0ED0,  0x0F20,  0x1040,  0x1090,  0x17E0,
    0x1810,  0x1946,  0x19D0,  0x1A80,  0x1A90,  0x1B50,  0x1BB0,  0x1C40,  0x1C50,  0xA620,
    0xA8D0,  0xA900,  0xA9D0,  0xA9F0,  0xAA50,  0xABF0,  0xFF10,  0x104A0, 0x10D30, 0x10D40,
    0x11066, 0x110F0, 0x11136, 0x111D0, 0x112F0, 0x11450, 0x114D0, 0x11650, 0x116C0, 0x116D0,
    0x116DA, 0x11730, 0x118E0, 0x11950, 0x11BF0, 0x11C50, 0x11D50, 0x11DA0, 0x11F50, 0x16130,
    0x16A60, 0x16AC0, 0x16B50, 0x16D70, 0x1CCF0, 0x1D7CE, 0x1D7D8, 0x1D7E2, 0x1D7EC, 0x1D7F6,
    0x1E140, 0x1E2F0, 0x1E4F0, 0x1E5F1, 0x1E950, 0x1FBF0,
};

struct Range {
  char32_t first;
  char32_t last;
};

// The format characters (Unicode 16.0, category Cf), as inclusive ranges.
constexpr std::array<Range, 21> kFormatRanges = {{
    {0x00AD, 0x00AD},   {0x0600, 0x0605},   {0x061C, 0x061C},   {0x06DD, 0x06DD},
    {0x070F, 0x070F},   {0x0890, 0x0891},   {0x08E2, 0x08E2},   {0x180E, 0x180E},
    {0x200B, 0x200F},   {0x202A, 0x202E},   {0x2060, 0x2064},   {0x2066, 0x206F},
    {0xFEFF, 0xFEFF},   {0xFFF9, 0xFFFB},   {0x110BD, 0x110BD}, {0x110CD, 0x110CD},
    {0x13430, 0x1343F}, {0x1BCA0, 0x1BCA3}, {0x1D173, 0x1D17A}, {0xE0001, 0xE0001},
    {0xE0020, 0xE007F},
}};

// The lookups below search both tables by binary search, which needs them sorted
// and without overlaps.
constexpr bool DigitBlocksApart() {
  for (std::size_t i = 1; i < kDigitZeros.size(); ++i) {
    if (kDigitZeros[i] < kDigitZeros[i - 1] + 10) return false;
  }
  return true;
}
constexpr bool RangesApart() {
  for (std::size_t i = 0; i < kFormatRanges.size(); ++i) {
    if (kFormatRanges[i].last < kFormatRanges[i].first) return false;
    if (i > 0 && kFormatRanges[i].first <= kFormatRanges[i - 1].last) return false;
  }
  return true;
}
static_assert(DigitBlocksApart(), "digit blocks must be sorted, ten code points each");
static_assert(RangesApart(), "format ranges must be sorted and disjoint");

bool IsContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

}  // namespace

CodePoint DecodeUtf8(std::string_view text, std::size_t pos) {
  constexpr CodePoint kInvalid{kInvalidCodePoint, 1};
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[pos + i]); };
  const std::size_t left = text.size() - pos;
  const unsigned char lead = byte(0);
  if (lead < 0x80) return {lead, 1};

  std::size_t size = 0;
  char32_t value = 0;
  // The range of the second byte rules out overlong forms, surrogates and
  // values beyond U+10FFFF (the well-formed sequences of the Unicode standard).
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    size = 2;
    value = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    size = 3;
    value = lead & 0x0F;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    size = 4;
    value = lead & 0x07;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return kInvalid;
  }
  if (left < size || byte(1) < low || byte(1) > high) return kInvalid;
  for (std::size_t i = 1; i < size; ++i) {
    if (!IsContinuation(byte(i))) return kInvalid;
    value = (value << 6) | (byte(i) & 0x3F);
  }
  return {value, size};
}

int DecimalDigitValue(char32_t c) {
  if (c >= U'0' && c <= U'9') return static_cast<int>(c - U'0');
  auto after = std::upper_bound(kDigitZeros.begin(), kDigitZeros.end(), c);
  if (after == kDigitZeros.begin()) return -1;
  const char32_t zero = *std::prev(after);
  return c - zero < 10 ? static_cast<int>(c - zero) : -1;
}

bool IsFormatCharacter(char32_t c) {
  if (c < kFormatRanges.front().first) return false;
  auto after = std::upper_bound(kFormatRanges.begin(), kFormatRanges.end(), c,
                                [](char32_t v, const Range& r) { return v < r.first; });
  return c <= std::prev(after)->last;
}

}  // namespace tallies
