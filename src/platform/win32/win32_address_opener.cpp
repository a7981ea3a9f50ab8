#include "platform/win32/win32_address_opener.h"

#include <string>

#include "platform/win32/shell_result.h"
#include "platform/win32/windows_api.h"

namespace tallies {

Win32AddressOpener::Win32AddressOpener(void* ownerWindow) : m_ownerWindow(ownerWindow) {}

std::int32_t Win32AddressOpener::Open(std::string_view operation, std::string_view file,
                                      std::string_view parameters, std::string_view directory,
                                      int showCommand) {
  const HINSTANCE instance = ShellExecuteA(
      static_cast<HWND>(m_ownerWindow), std::string(operation).c_str(), std::string(file).c_str(),
      std::string(parameters).c_str(), std::string(directory).c_str(), showCommand);
  return ShellResult(instance);
}

}  // namespace tallies
