#pragma once

#include <optional>
#include <string>

#include "platform/program_folder.h"

namespace tallies {

// The program folder on a POSIX system: the folder of the running executable, and the user's
// runtime folder (private to the user, mode 0700) for short-lived files.
class PosixProgramFolder : public ProgramFolder {
 public:
  // Either folder may be given, for tests; otherwise the program folder is the running
  // executable's and the fallback is the desktop's runtime folder.
  explicit PosixProgramFolder(std::optional<std::string> programFolder = std::nullopt,
                              std::optional<std::string> runtimeFolder = std::nullopt);

  std::string Path() override;
  char Separator() override;
  bool IsWritable(const std::string& folder) override;
  // The runtime folder, only when it is a folder owned by the user that nobody else may enter.
  std::optional<std::string> FallbackFolder() override;

 private:
  std::optional<std::string> m_programFolder;
  std::optional<std::string> m_runtimeFolder;
};

}  // namespace tallies
