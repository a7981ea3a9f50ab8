#pragma once

#include "platform/address_opener.h"

namespace tallies {

// The open request through ShellExecuteA, owned by the given window (an HWND).
class Win32AddressOpener : public AddressOpener {
 public:
  explicit Win32AddressOpener(void* ownerWindow);

  std::int32_t Open(std::string_view operation, std::string_view file, std::string_view parameters,
                    std::string_view directory, int showCommand) override;

 private:
  void* m_ownerWindow;
};

}  // namespace tallies
