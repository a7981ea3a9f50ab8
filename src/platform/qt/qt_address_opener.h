#pragma once

#include "platform/address_opener.h"

namespace tallies {

// The open request on Qt: the desktop's default handler for the address opens it. Only the
// "Open" operation is known; the desktop chooses where and how the handler's window appears, so
// the directory, parameters and show command have nothing to act on.
class QtAddressOpener : public AddressOpener {
 public:
  std::int32_t Open(std::string_view operation, std::string_view file, std::string_view parameters,
                    std::string_view directory, int showCommand) override;
};

}  // namespace tallies
