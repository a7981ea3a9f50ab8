#include "about/get_key_value.h"

#include <array>
#include <span>
#include <stdexcept>

namespace tallies {

namespace {

// Closes the key on leaving the reader, whichever way it leaves. The close status does not
// matter, and closing a key that never opened (still 0) is harmless.
class KeyCloser {
 public:
  KeyCloser(Registry& registry, const RegistryKey& key) : m_registry(registry), m_key(key) {}
  KeyCloser(const KeyCloser&) = delete;
  KeyCloser& operator=(const KeyCloser&) = delete;
  ~KeyCloser() {
    try {
      m_registry.CloseKey(m_key);
    } catch (...) {
      // Nothing depends on the close: the value has been read or the read has failed already.
    }
  }

 private:
  Registry& m_registry;
  const RegistryKey& m_key;
};

// A 32-bit number is stored low byte first. Its kept bytes, read from the last to the first,
// are the digits of the number in base 256, so at most eight of them fit.
std::string NumberText(std::span<const std::uint8_t> kept) {
  if (kept.size() > sizeof(std::uint64_t)) {
    throw std::overflow_error("The registry number is too long");
  }
  std::uint64_t value = 0;
  for (auto byte = kept.rbegin(); byte != kept.rend(); ++byte) {
    value = (value << 8) | *byte;
  }
  return std::to_string(value);
}

}  // namespace

bool GetKeyValue(Registry& registry, std::uint32_t keyRoot, std::string_view keyName,
                 std::string_view subKeyRef, std::string& keyVal) {
  RegistryKey key = 0;
  KeyCloser closer(registry, key);

  // The key is opened for reading only. Asking for the full set of key rights (0x2003F, which
  // includes setting values and creating subkeys) fails below HKEY_LOCAL_MACHINE for every user
  // who is not an administrator, and the tool would then never be found.
  if (registry.OpenKey(keyRoot, keyName, 0, kKeyRead, key) != kRegistrySuccess) {
    keyVal.clear();
    return false;
  }

  std::array<std::uint8_t, kKeyValueBufferSize> buffer{};
  std::uint32_t type = 0;
  std::uint32_t byteCount = static_cast<std::uint32_t>(buffer.size());
  if (registry.QueryValue(key, subKeyRef, type, buffer, byteCount) != kRegistrySuccess ||
      byteCount > buffer.size()) {
    keyVal.clear();
    return false;
  }

  if (byteCount == 0) {
    throw std::length_error("The registry value holds no data");
  }
  // A stored string ends with a zero byte; exactly one trailing zero is dropped, so a string
  // stored with or without its terminator reads the same.
  const std::size_t keptCount = buffer[byteCount - 1] == 0 ? byteCount - 1 : byteCount;
  const std::span<const std::uint8_t> kept(buffer.data(), keptCount);

  if (type == kRegistryString) {
    keyVal.assign(kept.begin(), kept.end());
  } else if (type == kRegistryNumber) {
    keyVal = NumberText(kept);
  }
  return true;
}

}  // namespace tallies
