#pragma once

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace tallies::testing {

// A registry made of a map from key path to values, below one root key. Records every open and
// close, so tests can check the access asked for and that each key is closed.
class FakeRegistry : public Registry {
 public:
  struct Value {
    std::uint32_t type;
    std::vector<std::uint8_t> bytes;
  };
  struct OpenCall {
    std::uint32_t root;
    std::string keyName;
    std::uint32_t options;
    std::uint32_t access;
  };

  // Stores a value under keyName (below HKEY_LOCAL_MACHINE).
  void Put(const std::string& keyName, const std::string& valueName, std::uint32_t type,
           std::vector<std::uint8_t> bytes) {
    m_keys[keyName][valueName] = Value{type, std::move(bytes)};
  }
  // Stores a string value as the registry holds it, with or without its terminating zero.
  void PutString(const std::string& keyName, const std::string& valueName, const std::string& text,
                 bool terminated = true) {
    std::vector<std::uint8_t> bytes(text.begin(), text.end());
    if (terminated) {
      bytes.push_back(0);
    }
    Put(keyName, valueName, kRegistryString, std::move(bytes));
  }
  // Creates an empty key, with no values.
  void PutKey(const std::string& keyName) { m_keys[keyName]; }

  long OpenKey(std::uint32_t keyRoot, std::string_view keyName, std::uint32_t options,
               std::uint32_t access, RegistryKey& key) override {
    m_opens.push_back({keyRoot, std::string(keyName), options, access});
    const auto found = m_keys.find(std::string(keyName));
    if (keyRoot != kHKeyLocalMachine || found == m_keys.end()) {
      return kRegistryNotFound;
    }
    key = kFirstHandle + m_openKeys.size();
    m_openKeys.push_back(found->first);
    return kRegistrySuccess;
  }

  long QueryValue(RegistryKey key, std::string_view valueName, std::uint32_t& type,
                  std::span<std::uint8_t> data, std::uint32_t& byteCount) override {
    m_queriedBufferSizes.push_back(data.size());
    if (key < kFirstHandle || key >= kFirstHandle + m_openKeys.size()) {
      return kRegistryInvalidKey;
    }
    const auto& values = m_keys.at(m_openKeys[key - kFirstHandle]);
    const auto found = values.find(std::string(valueName));
    if (found == values.end()) {
      return kRegistryNotFound;
    }
    const Value& value = found->second;
    byteCount = static_cast<std::uint32_t>(value.bytes.size());
    if (value.bytes.size() > data.size()) {
      return kRegistryMoreData;
    }
    std::copy(value.bytes.begin(), value.bytes.end(), data.begin());
    type = value.type;
    return kRegistrySuccess;
  }

  long CloseKey(RegistryKey key) override {
    m_closes.push_back(key);
    return key >= kFirstHandle ? kRegistrySuccess : kRegistryInvalidKey;
  }

  const std::vector<OpenCall>& opens() const { return m_opens; }
  const std::vector<RegistryKey>& closes() const { return m_closes; }
  const std::vector<std::size_t>& queriedBufferSizes() const { return m_queriedBufferSizes; }
  // The handles given out by successful opens, in order.
  std::vector<RegistryKey> openedHandles() const {
    std::vector<RegistryKey> handles;
    for (std::size_t i = 0; i < m_openKeys.size(); ++i) {
      handles.push_back(kFirstHandle + i);
    }
    return handles;
  }

 private:
  static constexpr RegistryKey kFirstHandle = 0x100;

  std::map<std::string, std::map<std::string, Value>> m_keys;
  std::vector<std::string> m_openKeys;
  std::vector<OpenCall> m_opens;
  std::vector<RegistryKey> m_closes;
  std::vector<std::size_t> m_queriedBufferSizes;
};

}  // namespace tallies::testing
