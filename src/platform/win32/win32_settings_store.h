#pragma once

#include <string>

#include "settings/settings_store.h"

namespace tallies {

// The settings text in one string value (REG_SZ) of a key under HKEY_CURRENT_USER, by default
// "Software\Tallies", value "Settings". The text is UTF-8 here and UTF-16 in the registry. One
// RegSetValueExW replaces the value whole, so the store holds the old text or the new one,
// whatever happens on the way.
class Win32SettingsStore : public SettingsStore {
 public:
  explicit Win32SettingsStore(std::wstring keyPath = L"Software\\Tallies",
                              std::wstring valueName = L"Settings");

  // None when the key or the value is missing, the value is not a string, is larger than any
  // settings text or is not valid UTF-16.
  std::optional<std::string> Load() const override;
  // Creates the key when it is missing. False when it cannot, and for a text that is not UTF-8,
  // holds a zero character or is too large to be read back.
  bool Save(std::string_view text) override;

 private:
  std::wstring m_keyPath;
  std::wstring m_valueName;
};

}  // namespace tallies
