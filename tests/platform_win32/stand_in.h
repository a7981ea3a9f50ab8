#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <thread>

namespace tallies::testing {

// The folder of the running test program, where the stand-in program is built beside it.
inline std::string TestProgramFolder() {
  std::string path(MAX_PATH, '\0');
  const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
  path.resize(length);
  return path.substr(0, path.find_last_of('\\'));
}

inline std::string StandInPath() { return TestProgramFolder() + "\\platform_stand_in.exe"; }

// The text in double quotes, as a command line names a program. Built by appending: GCC 12 warns
// wrongly (-Wrestrict) about a literal joined in front of a string with +.
inline std::string Quoted(const std::string& text) {
  std::string quoted(1, '"');
  quoted.append(text);
  quoted.push_back('"');
  return quoted;
}

// The command a file type or address scheme registers: the stand-in with the file or address.
inline std::string StandInCommand() {
  std::string command = Quoted(StandInPath());
  command.append(" \"%1\"");
  return command;
}

inline bool PathExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

inline std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Points the stand-in's log at a fresh file for one test and waits for the stand-in to write it.
class StandInLog {
 public:
  explicit StandInLog(const std::string& name)
      : m_path(TestProgramFolder() + "\\" + name + ".log") {
    DeleteFileA(m_path.c_str());
    SetEnvironmentVariableA("TALLIES_STAND_IN_LOG", m_path.c_str());
  }
  StandInLog(const StandInLog&) = delete;
  StandInLog& operator=(const StandInLog&) = delete;
  ~StandInLog() {
    DeleteFileA(m_path.c_str());
    SetEnvironmentVariableA("TALLIES_STAND_IN_LOG", nullptr);
  }

  // The stand-in's command line, or nothing when it has not written one in time. The time is a
  // limit only, for a stand-in that never starts; a started one answers at once. A command line
  // is never empty, so an empty read is a file caught while the stand-in's rename still held it
  // (seen once under Wine) and is read again.
  std::optional<std::string> WaitForCommandLine() const {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (std::chrono::steady_clock::now() < deadline) {
      if (PathExists(m_path)) {
        std::string commandLine = ReadWholeFile(m_path);
        if (!commandLine.empty()) {
          return commandLine;
        }
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return std::nullopt;
  }

  // True when no stand-in wrote its line within a short grace period.
  bool StaysEmpty() const {
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    return !PathExists(m_path);
  }

 private:
  std::string m_path;
};

}  // namespace tallies::testing
