#include "platform/posix/posix_program_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QStandardPaths>
#include <utility>

namespace tallies {

namespace {

// Access bits of the group and of all others; a private folder has none of them.
constexpr mode_t kSharedAccessBits = 0077;

std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace

PosixProgramFolder::PosixProgramFolder(std::optional<std::string> programFolder,
                                       std::optional<std::string> runtimeFolder)
    : m_programFolder(std::move(programFolder)), m_runtimeFolder(std::move(runtimeFolder)) {}

std::string PosixProgramFolder::Path() {
  if (m_programFolder) {
    return *m_programFolder;
  }
  return LocalPath(QCoreApplication::applicationDirPath());
}

char PosixProgramFolder::Separator() { return '/'; }

bool PosixProgramFolder::IsWritable(const std::string& folder) {
  return !folder.empty() && ::access(folder.c_str(), W_OK | X_OK) == 0;
}

std::optional<std::string> PosixProgramFolder::FallbackFolder() {
  const std::string folder =
      m_runtimeFolder
          ? *m_runtimeFolder
          : LocalPath(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation));
  if (folder.empty()) {
    return std::nullopt;
  }
  struct stat status {};
  if (::lstat(folder.c_str(), &status) != 0 || !S_ISDIR(status.st_mode) ||
      status.st_uid != ::geteuid() || (status.st_mode & kSharedAccessBits) != 0) {
    return std::nullopt;
  }
  return folder;
}

}  // namespace tallies
