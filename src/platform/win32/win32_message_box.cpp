#include "platform/win32/win32_message_box.h"

#include <string>

#include "config/app_config.h"
#include "platform/win32/windows_api.h"

namespace tallies {

Win32MessageBox::Win32MessageBox(void* ownerWindow) : m_ownerWindow(ownerWindow) {}

namespace {

// The texts are UTF-8; the wide call shows every character of them (a file's name among them),
// where the narrow one would show them in the system's code page.
std::wstring Utf16(std::string_view text) {
  const int length = static_cast<int>(text.size());
  std::wstring wide(
      static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, text.data(), length, nullptr, 0)),
      L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), length, wide.data(), static_cast<int>(wide.size()));
  return wide;
}

}  // namespace

void Win32MessageBox::Show(std::string_view text) {
  MessageBoxW(static_cast<HWND>(m_ownerWindow), Utf16(text).c_str(),
              Utf16(kApplicationTitle).c_str(), MB_OK);
}

}  // namespace tallies
