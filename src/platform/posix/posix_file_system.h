#pragma once

#include "platform/file_system.h"

namespace tallies {

// The file operations on a POSIX system. Failures throw std::system_error with errno and its
// strerror text.
class PosixFileSystem : public FileSystem {
 public:
  bool Exists(std::string_view path) override;
  void CreateEmpty(std::string_view path) override;
  void Remove(std::string_view path) override;
};

}  // namespace tallies
