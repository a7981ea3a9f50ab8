#pragma once

#include <string>
#include <string_view>

#include "win32app/core/wide_text.h"

namespace tallies::gui {

// The driver speaks UTF-8 like the rest of the program; the window messages carry UTF-16, which
// is what wchar_t holds on Windows. The conversion is the window layer's own.
static_assert(sizeof(wchar_t) == sizeof(char16_t));

inline std::wstring Widen(std::string_view text) {
  const std::u16string wide = Utf8ToUtf16(text);
  return {wide.begin(), wide.end()};
}

inline std::string Narrow(std::wstring_view text) {
  return Utf16ToUtf8(std::u16string(text.begin(), text.end()));
}

}  // namespace tallies::gui
