#pragma once

#include "platform/program_folder.h"

namespace tallies {

// The program folder on Windows: the folder of the running executable, and the user's own
// temporary folder for short-lived files.
class Win32ProgramFolder : public ProgramFolder {
 public:
  // The executable's folder; the root of a drive keeps its backslash ("C:\").
  std::string Path() override;
  char Separator() override;
  // Whether a file can really be made there: the folder's access rules decide, which a look at
  // its attributes cannot tell.
  bool IsWritable(const std::string& folder) override;
  std::optional<std::string> FallbackFolder() override;
};

}  // namespace tallies
