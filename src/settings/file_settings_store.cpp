#include "settings/file_settings_store.h"

#include <fstream>
#include <iterator>
#include <system_error>
#include <utility>

namespace tallies {
namespace {

constexpr const char* kFileName = "settings";
// A settings file is a few lines; anything much larger is not one, and is not read.
constexpr std::uintmax_t kLargestFile = 64 * 1024;

}  // namespace

FileSettingsStore::FileSettingsStore(std::filesystem::path folder, ReplaceSteps steps)
    : m_folder(std::move(folder)), m_steps(std::move(steps)) {}

std::filesystem::path FileSettingsStore::File() const {
  return m_folder.empty() ? std::filesystem::path() : m_folder / kFileName;
}

std::optional<std::string> FileSettingsStore::Load() const {
  if (m_folder.empty()) return std::nullopt;
  std::error_code error;
  const std::filesystem::path file = File();
  if (!std::filesystem::is_regular_file(file, error) ||
      std::filesystem::file_size(file, error) > kLargestFile || error) {
    return std::nullopt;
  }
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return text;
}

bool FileSettingsStore::Save(std::string_view text) {
  if (m_folder.empty()) return false;
  return ReplaceFile(File(), text, m_steps);
}

}  // namespace tallies
