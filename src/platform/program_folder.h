#pragma once

#include <optional>
#include <string>

namespace tallies {

// The folder that holds the program's executable, and where short-lived files may go when that
// folder is read-only (as it is for an installed program).
class ProgramFolder {
 public:
  virtual ~ProgramFolder() = default;

  // The program's own folder, without a trailing separator unless it is the root of a drive.
  virtual std::string Path() = 0;

  // The character that joins a folder and a file name ('\\' on Windows, '/' elsewhere).
  virtual char Separator() = 0;

  // True when the current user may create files in folder.
  virtual bool IsWritable(const std::string& folder) = 0;

  // A folder private to the current user for short-lived files, or nothing when there is none.
  virtual std::optional<std::string> FallbackFolder() = 0;
};

}  // namespace tallies
