#include "platform/win32/win32_registry.h"

#include <string>

#include "platform/win32/windows_api.h"

namespace tallies {

namespace {

// The predefined root keys are 32-bit values that a 64-bit HKEY holds sign-extended.
HKEY RootKey(std::uint32_t keyRoot) {
  return reinterpret_cast<HKEY>(static_cast<LONG_PTR>(static_cast<LONG>(keyRoot)));
}

HKEY OpenedKey(RegistryKey key) { return reinterpret_cast<HKEY>(key); }

}  // namespace

long Win32Registry::OpenKey(std::uint32_t keyRoot, std::string_view keyName, std::uint32_t options,
                            std::uint32_t access, RegistryKey& key) {
  HKEY opened = nullptr;
  const LONG status =
      RegOpenKeyExA(RootKey(keyRoot), std::string(keyName).c_str(), options, access, &opened);
  if (status == ERROR_SUCCESS) {
    key = reinterpret_cast<RegistryKey>(opened);
  }
  return status;
}

long Win32Registry::QueryValue(RegistryKey key, std::string_view valueName, std::uint32_t& type,
                               std::span<std::uint8_t> data, std::uint32_t& byteCount) {
  DWORD valueType = 0;
  DWORD count = static_cast<DWORD>(data.size());
  const LONG status = RegQueryValueExA(OpenedKey(key), std::string(valueName).c_str(), nullptr,
                                       &valueType, data.data(), &count);
  type = valueType;
  byteCount = count;
  return status;
}

long Win32Registry::CloseKey(RegistryKey key) { return RegCloseKey(OpenedKey(key)); }

}  // namespace tallies
