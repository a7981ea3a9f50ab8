#pragma once

#include <string>
#include <system_error>
#include <vector>

#include "platform/program_starter.h"

namespace tallies::testing {

// Records the programs it is asked to start. Starting a path that is not in its list of existing
// programs fails, as starting a missing file does.
class FakeProgramStarter : public ProgramStarter {
 public:
  struct Attempt {
    std::string path;
    int windowStyle;
  };

  void AddProgram(const std::string& path) { m_programs.push_back(path); }

  void Start(std::string_view path, int windowStyle) override {
    m_attempts.push_back({std::string(path), windowStyle});
    for (const std::string& program : m_programs) {
      if (program == path) {
        return;
      }
    }
    throw std::system_error(std::make_error_code(std::errc::no_such_file_or_directory));
  }

  // Every start asked for, failed ones included.
  const std::vector<Attempt>& attempts() const { return m_attempts; }

 private:
  std::vector<std::string> m_programs;
  std::vector<Attempt> m_attempts;
};

}  // namespace tallies::testing
