#include "platform/win32/win32_message_box.h"

#include <string>

#include "config/app_config.h"
#include "platform/win32/windows_api.h"

namespace tallies {

Win32MessageBox::Win32MessageBox(void* ownerWindow) : m_ownerWindow(ownerWindow) {}

void Win32MessageBox::Show(std::string_view text) {
  MessageBoxA(static_cast<HWND>(m_ownerWindow), std::string(text).c_str(),
              std::string(kApplicationTitle).c_str(), MB_OK);
}

}  // namespace tallies
