#include "win32app/core/wide_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tallies {
namespace {

struct TextCase {
  std::string utf8;
  std::u16string utf16;
};

TEST(WideText, ConvertsBothWays) {
  const std::vector<TextCase> cases{
      {"", u""},
      {"Calc", u"Calc"},
      {"Mass Conversion ", u"Mass Conversion "},  // the trailing blank stays
      {"7,068583", u"7,068583"},
      {"\xC2\xB0", u"\u00B0"},              // degree sign, two bytes
      {"\xE2\x80\xAF", u"\u202F"},          // narrow no-break space, three bytes
      {"\xF0\x9F\x94\xA7", u"\U0001F527"},  // beyond the first plane: a surrogate pair
      {std::string("a\0b", 3), std::u16string(u"a\0b", 3)},  // an embedded NUL is kept
  };
  for (const TextCase& c : cases) {
    SCOPED_TRACE(c.utf8);
    EXPECT_EQ(Utf8ToUtf16(c.utf8), c.utf16);
    EXPECT_EQ(Utf16ToUtf8(c.utf16), c.utf8);
  }
}

TEST(WideText, MalformedUtf8BecomesReplacementCharacters) {
  const std::vector<TextCase> cases{
      {"\xFF", u"\uFFFD"},  // a byte that starts nothing
      {"\x80"
       "a",
       u"\uFFFDa"},         // a lone continuation byte
      {"\xC3", u"\uFFFD"},  // cut short at the end
      {"\xE2\x82"
       "x",
       u"\uFFFDx"},                                       // cut short before another character
      {"\xC0\xAF", u"\uFFFD\uFFFD"},                      // an overlong form
      {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},            // an encoded surrogate
      {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},  // beyond U+10FFFF
  };
  for (const TextCase& c : cases) {
    SCOPED_TRACE(c.utf8);
    EXPECT_EQ(Utf8ToUtf16(c.utf8), c.utf16);
  }
}

TEST(WideText, LoneSurrogatesBecomeReplacementCharacters) {
  EXPECT_EQ(Utf16ToUtf8(std::u16string(1, u'\xD800')), "\xEF\xBF\xBD");
  EXPECT_EQ(Utf16ToUtf8(std::u16string{u'\xDC00', u'a'}),
            "\xEF\xBF\xBD"
            "a");
  EXPECT_EQ(Utf16ToUtf8(std::u16string{u'\xD83D', u'b'}),
            "\xEF\xBF\xBD"
            "b");
}

}  // namespace
}  // namespace tallies
