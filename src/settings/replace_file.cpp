#include "settings/replace_file.h"

#include <fstream>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#include <fcntl.h>
#include <unistd.h>
#define TALLIES_HAS_FSYNC 1
#endif

namespace tallies {
namespace {

// The standard library flushes to the system, not to the disk: where the system can sync a
// file, the new text is on the disk before the rename makes it the file.
bool SyncToDisk([[maybe_unused]] const std::filesystem::path& file) {
#ifdef TALLIES_HAS_FSYNC
  const int descriptor = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
  if (descriptor < 0) return false;
  const bool synced = ::fsync(descriptor) == 0;
  return ::close(descriptor) == 0 && synced;
#else
  return true;
#endif
}

bool Write(const std::filesystem::path& file, std::string_view text, std::ios::openmode mode) {
  {
    std::ofstream out(file, std::ios::binary | mode);
    if (!out) return false;
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.flush();
    if (!out) return false;
  }
  return SyncToDisk(file);
}

bool Rename(const std::filesystem::path& from, const std::filesystem::path& to) {
  std::error_code error;
  std::filesystem::rename(from, to, error);
  return !error;
}

}  // namespace

bool WriteDurably(const std::filesystem::path& file, std::string_view text) {
  return Write(file, text, std::ios::trunc);
}

bool AppendDurably(const std::filesystem::path& file, std::string_view text) {
  return std::filesystem::is_regular_file(file) && Write(file, text, std::ios::app);
}

ReplaceSteps SystemReplaceSteps() { return {&WriteDurably, &Rename, &AppendDurably}; }

bool ReplaceFile(const std::filesystem::path& target, std::string_view text,
                 const ReplaceSteps& steps) {
  std::error_code error;
  const std::filesystem::path folder = target.parent_path();
  if (!folder.empty()) std::filesystem::create_directories(folder, error);
  if (error) return false;
  std::filesystem::path temporary = target;
  temporary += ".new";
  if (steps.writeDurably(temporary, text) && steps.rename(temporary, target)) return true;
  std::filesystem::remove(temporary, error);
  return false;
}

}  // namespace tallies
