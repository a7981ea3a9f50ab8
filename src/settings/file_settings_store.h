#pragma once

#include <filesystem>

#include "settings/replace_file.h"
#include "settings/settings_store.h"

namespace tallies {

// The settings as a small text file in a folder of the user's (see SettingsFolder). An empty
// folder stores nothing: the program then runs with its defaults.
class FileSettingsStore : public SettingsStore {
 public:
  explicit FileSettingsStore(std::filesystem::path folder,
                             ReplaceSteps steps = SystemReplaceSteps());

  std::optional<std::string> Load() const override;
  bool Save(std::string_view text) override;

  // The settings file in the folder.
  std::filesystem::path File() const;

 private:
  std::filesystem::path m_folder;
  ReplaceSteps m_steps;
};

}  // namespace tallies
