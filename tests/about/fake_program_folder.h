#pragma once

#include <optional>
#include <string>

#include "platform/program_folder.h"

namespace tallies::testing {

// A program folder with a chosen path, separator and writability, and a chosen fallback.
class FakeProgramFolder : public ProgramFolder {
 public:
  FakeProgramFolder(std::string path, char separator)
      : m_path(std::move(path)), m_separator(separator) {}

  void SetWritable(bool writable) { m_writable = writable; }
  void SetFallback(std::optional<std::string> fallback) { m_fallback = std::move(fallback); }

  std::string Path() override { return m_path; }
  char Separator() override { return m_separator; }
  bool IsWritable(const std::string& folder) override { return m_writable && folder == m_path; }
  std::optional<std::string> FallbackFolder() override { return m_fallback; }

 private:
  std::string m_path;
  char m_separator;
  bool m_writable = true;
  std::optional<std::string> m_fallback;
};

}  // namespace tallies::testing
