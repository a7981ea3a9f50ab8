#pragma once

#include <cstddef>
#include <string_view>

namespace tallies {

// One character of UTF-8 text: its code point and the bytes it takes.
struct CodePoint {
  char32_t value;
  std::size_t size;
};

// What a byte that starts no valid UTF-8 sequence reads as: the replacement
// character, which is neither a digit nor a format character, so it ends a number.
inline constexpr char32_t kInvalidCodePoint = 0xFFFD;

// The character that starts at `pos` (which must be inside the text). Overlong
// forms, surrogates, values beyond U+10FFFF and cut-off sequences read as
// kInvalidCodePoint of one byte, so no invalid byte can pass for a digit or a mark.
CodePoint DecodeUtf8(std::string_view text, std::size_t pos);

// The value 0-9 of a decimal digit of any script (Unicode category Nd), or -1.
int DecimalDigitValue(char32_t c);

// Whether the character is an invisible format character (Unicode category Cf):
// bidirectional marks, embeddings and isolates, zero-width characters, the soft
// hyphen, the byte order mark and the like.
bool IsFormatCharacter(char32_t c);

}  // namespace tallies
