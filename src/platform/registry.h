#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace tallies {

// An open registry key as the registry hands it out; 0 is "no key".
using RegistryKey = std::uintptr_t;

// The system registry, read by the About box to find the system-information tool. The calls and
// their status codes are those of the Windows registry: status 0 is success, anything else is a
// failure the caller only tests for being non-zero.
class Registry {
 public:
  virtual ~Registry() = default;

  // Opens keyName below the root key keyRoot. On success returns 0 and stores the open key in key;
  // on failure returns a non-zero status and leaves key as it was.
  virtual long OpenKey(std::uint32_t keyRoot, std::string_view keyName, std::uint32_t options,
                       std::uint32_t access, RegistryKey& key) = 0;

  // Reads the value valueName of an open key into data. On success returns 0, stores the value's
  // type code in type and the number of bytes written in byteCount. Data longer than the buffer
  // fails with kRegistryMoreData and byteCount set to the size needed.
  virtual long QueryValue(RegistryKey key, std::string_view valueName, std::uint32_t& type,
                          std::span<std::uint8_t> data, std::uint32_t& byteCount) = 0;

  // Closes a key; closing key 0 is harmless and fails quietly.
  virtual long CloseKey(RegistryKey key) = 0;
};

// The root key of the machine-wide settings (HKEY_LOCAL_MACHINE).
inline constexpr std::uint32_t kHKeyLocalMachine = 0x80000002u;

// Read access to a key: read-control, query value, enumerate subkeys and notify (KEY_READ).
inline constexpr std::uint32_t kKeyRead = 0x20019u;

// Registry status codes.
inline constexpr long kRegistrySuccess = 0;     // the call did its work
inline constexpr long kRegistryNotFound = 2;    // no such key or value (ERROR_FILE_NOT_FOUND)
inline constexpr long kRegistryInvalidKey = 6;  // the key is not open (ERROR_INVALID_HANDLE)
inline constexpr long kRegistryMoreData = 234;  // the value does not fit (ERROR_MORE_DATA)

// Registry value type codes.
inline constexpr std::uint32_t kRegistryString = 1;  // text ended by a zero byte (REG_SZ)
inline constexpr std::uint32_t kRegistryNumber = 4;  // 32-bit number, low byte first (REG_DWORD)

}  // namespace tallies
