#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tallies {

// Where the user's settings live between runs, as one small text (see units_setting.h): a file
// in the user's configuration folder on Linux; the same text can live in a registry value under
// HKEY_CURRENT_USER on Windows or in the browser's local storage.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;

  // The stored text; none when nothing is stored or it cannot be read.
  virtual std::optional<std::string> Load() const = 0;

  // Stores the text in place of the old one: afterwards the store holds the old text or the new
  // one, never a mix, even if the program dies on the way. False when it could not be stored.
  virtual bool Save(std::string_view text) = 0;
};

}  // namespace tallies
