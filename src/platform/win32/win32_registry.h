#pragma once

#include "platform/registry.h"

namespace tallies {

// The Windows registry through RegOpenKeyExA, RegQueryValueExA and RegCloseKey.
class Win32Registry : public Registry {
 public:
  long OpenKey(std::uint32_t keyRoot, std::string_view keyName, std::uint32_t options,
               std::uint32_t access, RegistryKey& key) override;
  long QueryValue(RegistryKey key, std::string_view valueName, std::uint32_t& type,
                  std::span<std::uint8_t> data, std::uint32_t& byteCount) override;
  long CloseKey(RegistryKey key) override;
};

}  // namespace tallies
