#pragma once

#include <string_view>

namespace tallies {

// The few file operations of the About box and the web link. Failures throw std::system_error
// carrying the system's failure number and its description text.
class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // True when path names an existing ordinary file (not a folder).
  virtual bool Exists(std::string_view path) = 0;

  // Opens path for reading and writing, creating it empty when missing and leaving the content of
  // an existing file alone, writes nothing and closes it again.
  virtual void CreateEmpty(std::string_view path) = 0;

  // Deletes the file at path.
  virtual void Remove(std::string_view path) = 0;
};

}  // namespace tallies
