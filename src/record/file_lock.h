#pragma once

#include <filesystem>

namespace tallies {

// An exclusive lock on a file, held from construction to destruction, that every process (and
// every thread that takes its own) waits for: the system's advisory lock (flock on POSIX,
// LockFileEx on Windows), which the system releases when the holder ends, even by a crash. The
// file is created when missing.
class FileLock {
 public:
  explicit FileLock(const std::filesystem::path& file);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  // Whether the lock is held: false when the file could not be opened or locked.
  bool Held() const { return m_held; }

 private:
  bool m_held = false;
#ifdef _WIN32
  void* m_handle = nullptr;
#else
  int m_descriptor = -1;
#endif
};

}  // namespace tallies
