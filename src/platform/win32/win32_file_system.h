#pragma once

#include "platform/file_system.h"

namespace tallies {

// The file operations on Windows. Failures throw std::system_error with GetLastError's number
// and the system's text for it.
class Win32FileSystem : public FileSystem {
 public:
  // True for a file with normal attributes: not a folder, not hidden, not a system file.
  bool Exists(std::string_view path) override;
  void CreateEmpty(std::string_view path) override;
  void Remove(std::string_view path) override;
};

}  // namespace tallies
