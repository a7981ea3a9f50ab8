#include "record/file_lock.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <cerrno>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace tallies {

#ifdef _WIN32

FileLock::FileLock(const std::filesystem::path& file) {
  HANDLE handle = CreateFileW(file.c_str(), GENERIC_READ | GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return;
  m_handle = handle;
  OVERLAPPED whole{};
  m_held = LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK, 0, MAXDWORD, MAXDWORD, &whole) != 0;
}

FileLock::~FileLock() {
  if (m_handle == nullptr) return;
  if (m_held) {
    OVERLAPPED whole{};
    UnlockFileEx(m_handle, 0, MAXDWORD, MAXDWORD, &whole);
  }
  CloseHandle(m_handle);
}

#else

FileLock::FileLock(const std::filesystem::path& file) {
  m_descriptor = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (m_descriptor < 0) return;
  int status = 0;
  do {
    status = ::flock(m_descriptor, LOCK_EX);
  } while (status != 0 && errno == EINTR);
  m_held = status == 0;
}

FileLock::~FileLock() {
  if (m_descriptor < 0) return;
  if (m_held) ::flock(m_descriptor, LOCK_UN);
  ::close(m_descriptor);
}

#endif

}  // namespace tallies
