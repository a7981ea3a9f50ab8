#pragma once

#include <map>
#include <string>
#include <system_error>
#include <vector>

#include "platform/file_system.h"

namespace tallies::testing {

// Files held in a map from path to content. Creating and deleting can be made to fail a given
// number of times with a given error number, as the system would report it.
class FakeFileSystem : public FileSystem {
 public:
  void PutFile(const std::string& path, const std::string& content = "") {
    m_files[path] = content;
  }
  bool HasFile(const std::string& path) const { return m_files.contains(path); }
  std::string Content(const std::string& path) const { return m_files.at(path); }
  std::size_t FileCount() const { return m_files.size(); }

  // The next `times` creations (or deletions) fail with errorNumber; -1 for always.
  void FailCreate(int errorNumber, int times = -1) { m_createFailure = {errorNumber, times}; }
  void FailRemove(int errorNumber, int times = -1) { m_removeFailure = {errorNumber, times}; }

  bool Exists(std::string_view path) override {
    m_log.push_back("exists " + std::string(path));
    return HasFile(std::string(path));
  }

  void CreateEmpty(std::string_view path) override {
    m_log.push_back("create " + std::string(path));
    m_createFailure.ThrowIfDue("create");
    m_files.try_emplace(std::string(path));
  }

  void Remove(std::string_view path) override {
    m_log.push_back("remove " + std::string(path));
    m_removeFailure.ThrowIfDue("remove");
    if (m_files.erase(std::string(path)) == 0) {
      throw std::system_error(std::make_error_code(std::errc::no_such_file_or_directory));
    }
  }

  // Every call, in order: "exists PATH", "create PATH", "remove PATH".
  const std::vector<std::string>& log() const { return m_log; }

 private:
  struct Failure {
    int errorNumber = 0;
    int times = 0;
    void ThrowIfDue(const char* operation) {
      if (times == 0) {
        return;
      }
      if (times > 0) {
        --times;
      }
      throw std::system_error(errorNumber, std::generic_category(), operation);
    }
  };

  std::map<std::string, std::string> m_files;
  Failure m_createFailure;
  Failure m_removeFailure;
  std::vector<std::string> m_log;
};

}  // namespace tallies::testing
