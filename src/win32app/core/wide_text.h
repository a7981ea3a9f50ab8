#pragma once

#include <string>
#include <string_view>

namespace tallies {

// The window layer keeps every text in UTF-8, as the calculators and the layout tables do; the
// wide Windows calls take UTF-16. These convert at that seam. A byte sequence that is not UTF-8
// and a lone surrogate each become U+FFFD, so no text is ever cut short.
std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);

}  // namespace tallies
