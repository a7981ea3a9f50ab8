#pragma once

#include <cstddef>
#include <string_view>

namespace tallies {

// Reads the leading number of a field's text (UTF-8), never failing on text that
// is not a number:
//  - blanks, tabs and line feeds are skipped wherever they stand ("1 2 3" is 123),
//    and so are the invisible format characters (Unicode category Cf: direction
//    marks, zero-width characters, the soft hyphen, the byte order mark...), so
//    "1", a right-to-left mark, "0" is 10;
//  - an optional "+" or "-", digits with at most one decimal separator, then an
//    optional exponent (E or e, optional sign, digits); a digit is a decimal
//    digit of any script (Unicode category Nd: "٤٢", "۴۲", "４２" and "42" are all
//    42, also mixed and in the exponent);
//  - reading stops at the first character that cannot continue the number and
//    the rest is ignored ("12abc" is 12, "3.5.2" is 3.5); no number at all is 0;
//    bytes that are not valid UTF-8 are such a character;
//  - "&H" and "&O" introduce a hexadecimal or octal whole number, written with
//    ASCII digits and letters.
// The decimal separator is "." and also the regional one, so that every value
// the program writes with the user's separator reads back whole. With "." as
// the regional separator a comma ends the number ("1,5" is 1). A regional
// separator that holds a digit, a blank, a sign, "e", "&" or invalid UTF-8 is
// not used; format characters in it are dropped.
//
// Hexadecimal and octal digits are read as a non-negative whole number of any
// length (&HFFFF is 65535, never a negative 16-bit value); values beyond 2^53
// are rounded to the nearest Double.
//
// A number beyond the Double range (1E400, or a hexadecimal one of more than
// 256 digits) is an overflow ArithmeticFault; one too small for it reads as a
// subnormal value or 0.
double ParseFieldNumber(std::string_view text, std::string_view regionalSeparator = ".");

// The leading number of a field's text, read by the same rule as ParseFieldNumber, and where
// the reading stopped: `end` is the offset of the first character that could not continue the
// number (blanks before it are passed over), so the text from there on is what follows the
// number, such as a unit. `found` is false when the text holds no number at all (the value is
// then 0, as ParseFieldNumber reads it).
struct LeadingNumber {
  double value = 0.0;
  std::size_t end = 0;
  bool found = false;
};
LeadingNumber ParseLeadingNumber(std::string_view text, std::string_view regionalSeparator = ".");

// True only for text with no characters at all: a blank or a 0 is not empty.
constexpr bool IsFieldEmpty(std::string_view text) { return text.empty(); }

}  // namespace tallies
