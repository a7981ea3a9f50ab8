#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace tallies::testing {

// Registry keys and values written by a test and removed again when it ends: keys it made are
// deleted with everything below them; in keys that were there before (the system's own) only the
// values it wrote are deleted, and a value that was there before gets its old content back.
class RegistryKeys {
 public:
  RegistryKeys() = default;
  RegistryKeys(const RegistryKeys&) = delete;
  RegistryKeys& operator=(const RegistryKeys&) = delete;
  ~RegistryKeys() {
    for (auto value = m_values.rbegin(); value != m_values.rend(); ++value) {
      HKEY key = nullptr;
      if (RegOpenKeyExA(value->root, value->path.c_str(), 0, KEY_SET_VALUE, &key) ==
          ERROR_SUCCESS) {
        if (value->restore) {
          RegSetValueExA(key, value->name.c_str(), 0, value->oldType, value->oldBytes.data(),
                         static_cast<DWORD>(value->oldBytes.size()));
        } else {
          RegDeleteValueA(key, value->name.c_str());
        }
        RegCloseKey(key);
      }
    }
    for (auto key = m_created.rbegin(); key != m_created.rend(); ++key) {
      RegDeleteTreeA(key->root, key->path.c_str());
      RegDeleteKeyA(key->root, key->path.c_str());
    }
  }

  // Makes sure root\path exists; each key of the path made here is deleted again at the end of
  // the test, the deepest first.
  void Create(HKEY root, const std::string& path) {
    std::size_t end = 0;
    do {
      end = path.find('\\', end + 1);
      const std::string part = path.substr(0, end);
      HKEY key = nullptr;
      DWORD disposition = 0;
      const LONG status = RegCreateKeyExA(root, part.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                          KEY_ALL_ACCESS, nullptr, &key, &disposition);
      ASSERT_EQ(status, ERROR_SUCCESS) << part;
      RegCloseKey(key);
      if (disposition == REG_CREATED_NEW_KEY) {
        m_created.push_back({root, part, {}, false, 0, {}});
      }
    } while (end != std::string::npos);
  }

  // Writes a value of any type below a key made by Create.
  void Put(HKEY root, const std::string& path, const char* name, DWORD type,
           const std::vector<std::uint8_t>& bytes) {
    Create(root, path);
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(root, path.c_str(), 0, KEY_SET_VALUE | KEY_QUERY_VALUE, &key),
              ERROR_SUCCESS)
        << path;
    Written written{root, path, name ? name : "", false, 0, {}};
    DWORD size = 0;
    if (RegQueryValueExA(key, name, nullptr, &written.oldType, nullptr, &size) == ERROR_SUCCESS) {
      // The system's own value is put back afterwards.
      written.restore = true;
      written.oldBytes.resize(size);
      RegQueryValueExA(key, name, nullptr, &written.oldType, written.oldBytes.data(), &size);
    }
    m_values.push_back(written);
    EXPECT_EQ(RegSetValueExA(key, name, 0, type, bytes.empty() ? nullptr : bytes.data(),
                             static_cast<DWORD>(bytes.size())),
              ERROR_SUCCESS)
        << path << " " << (name ? name : "(default)");
    RegCloseKey(key);
  }

  // Writes a string value with its terminating zero, as programs store them.
  void PutString(HKEY root, const std::string& path, const char* name, const std::string& text) {
    std::vector<std::uint8_t> bytes(text.begin(), text.end());
    bytes.push_back(0);
    Put(root, path, name, REG_SZ, bytes);
  }

  void PutNumber(HKEY root, const std::string& path, const char* name, DWORD number) {
    Put(root, path, name, REG_DWORD,
        {static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(number >> 8),
         static_cast<std::uint8_t>(number >> 16), static_cast<std::uint8_t>(number >> 24)});
  }

 private:
  struct Written {
    HKEY root;
    std::string path;
    std::string name;
    bool restore = false;
    DWORD oldType = 0;
    std::vector<std::uint8_t> oldBytes;
  };
  std::vector<Written> m_created;
  std::vector<Written> m_values;
};

}  // namespace tallies::testing
