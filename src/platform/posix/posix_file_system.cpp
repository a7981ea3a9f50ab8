#include "platform/posix/posix_file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <system_error>

namespace tallies {

namespace {

// Permissions of a created file: the user's own, as it holds nothing for anyone else.
constexpr mode_t kCreatedFileMode = 0600;

[[noreturn]] void ThrowErrno(const char* operation, const std::string& path) {
  throw std::system_error(errno, std::generic_category(), operation + (": " + path));
}

}  // namespace

bool PosixFileSystem::Exists(std::string_view path) {
  struct stat status {};
  return ::stat(std::string(path).c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

void PosixFileSystem::CreateEmpty(std::string_view path) {
  const std::string name(path);
  // A symbolic link of the same name is not followed: the file is made where the caller said.
  const int file =
      ::open(name.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, kCreatedFileMode);
  if (file < 0) {
    ThrowErrno("create", name);
  }
  if (::close(file) != 0) {
    ThrowErrno("close", name);
  }
}

void PosixFileSystem::Remove(std::string_view path) {
  const std::string name(path);
  if (::unlink(name.c_str()) != 0) {
    ThrowErrno("delete", name);
  }
}

}  // namespace tallies
