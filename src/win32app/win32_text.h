#pragma once

#include <string>
#include <string_view>

#include "win32app/core/wide_text.h"
#include "win32app/windows_headers.h"

namespace tallies {

// UTF-8 <-> the wide strings of the W calls (UTF-16 on Windows).
inline std::wstring Wide(std::string_view text) {
  const std::u16string units = Utf8ToUtf16(text);
  return std::wstring(units.begin(), units.end());
}

inline std::string Narrow(std::wstring_view text) {
  return Utf16ToUtf8(std::u16string(text.begin(), text.end()));
}

// The full text of a window (a field, a list's text part, a label), as UTF-8.
inline std::string WindowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return Narrow(text);
}

inline void SetWindowTextUtf8(HWND window, std::string_view text) {
  SetWindowTextW(window, Wide(text).c_str());
}

}  // namespace tallies
