#pragma once

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QTemporaryDir>
#include <fstream>
#include <string>

namespace tallies::testing {

// A fresh folder for one test, removed with everything in it afterwards. Tests put files and
// small stand-in programs into it.
class TempFolder {
 public:
  TempFolder() { EXPECT_TRUE(m_dir.isValid()); }

  std::string Path() const { return m_dir.path().toStdString(); }
  std::string PathOf(const std::string& name) const { return Path() + "/" + name; }

  // Writes a file with the given content and permissions.
  std::string PutFile(const std::string& name, const std::string& content, mode_t mode = 0644) {
    const std::string path = PathOf(name);
    std::ofstream(path, std::ios::binary) << content;
    ::chmod(path.c_str(), mode);
    return path;
  }

  // Writes a shell script that tests run as a stand-in program.
  std::string PutScript(const std::string& name, const std::string& body) {
    return PutFile(name, "#!/bin/sh\n" + body + "\n", 0755);
  }

  std::string MakeFolder(const std::string& name, mode_t mode = 0700) {
    const std::string path = PathOf(name);
    ::mkdir(path.c_str(), mode);
    ::chmod(path.c_str(), mode);
    return path;
  }

 private:
  QTemporaryDir m_dir;
};

inline bool FileExists(const std::string& path) {
  struct stat status {};
  return ::lstat(path.c_str(), &status) == 0;
}

inline std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace tallies::testing
