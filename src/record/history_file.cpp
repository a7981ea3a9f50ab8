#include "record/history_file.h"

#include <chrono>
#include <fstream>
#include <iterator>
#include <random>
#include <system_error>
#include <utility>

#include "record/file_lock.h"
#include "record/history_text.h"

namespace tallies {
namespace {

// A thousand entries take a few hundred kilobytes; a file far larger is not a history.
constexpr std::uintmax_t kLargestFile = 64 * 1024 * 1024;

}  // namespace

std::filesystem::path HistoryFolder(const Environment& environment) {
  return XdgProgramFolder(environment, "XDG_DATA_HOME", std::filesystem::path(".local") / "share");
}

HistoryFile::HistoryFile(std::filesystem::path folder, ReplaceSteps steps)
    : m_folder(std::move(folder)), m_steps(std::move(steps)) {}

std::filesystem::path HistoryFile::File() const { return m_folder / "history"; }

HistoryState HistoryFile::ReadLocked() const {
  HistoryState state;
  const std::filesystem::path file = File();
  std::error_code error;
  if (!std::filesystem::exists(file, error)) return state;
  std::optional<std::vector<RecordEntry>> entries;
  if (std::filesystem::is_regular_file(file, error) &&
      std::filesystem::file_size(file, error) <= kLargestFile && !error) {
    std::ifstream in(file, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in || in.eof()) entries = ReadHistoryText(text);
  }
  if (entries) {
    state.entries = std::move(*entries);
    return state;
  }
  // Kept aside under a name of its own, never overwritten by a later one.
  const std::string aside = "history-unreadable-" + std::to_string(NowMilliseconds());
  std::filesystem::rename(file, m_folder / aside, error);
  if (!error) state.keptAside = m_folder / aside;
  return state;
}

HistoryState HistoryFile::Load() const {
  std::error_code error;
  std::filesystem::create_directories(m_folder, error);
  const FileLock lock(m_folder / "history.lock");
  return ReadLocked();
}

HistoryState HistoryFile::Change(
    const std::function<void(std::vector<RecordEntry>&)>& change) const {
  std::error_code error;
  std::filesystem::create_directories(m_folder, error);
  const FileLock lock(m_folder / "history.lock");
  HistoryState state = ReadLocked();
  change(state.entries);
  if (state.entries.size() > kHistoryLimit) {
    state.entries.erase(state.entries.begin(),
                        state.entries.end() - static_cast<std::ptrdiff_t>(kHistoryLimit));
  }
  state.stored = lock.Held() && ReplaceFile(File(), HistoryText(state.entries), m_steps);
  return state;
}

HistoryState HistoryFile::Add(const RecordEntry& entry) const {
  return Change([&](std::vector<RecordEntry>& entries) { entries.push_back(entry); });
}

HistoryState HistoryFile::Remove(std::string_view id) const {
  return Change([&](std::vector<RecordEntry>& entries) {
    std::erase_if(entries, [&](const RecordEntry& entry) { return entry.id == id; });
  });
}

HistoryState HistoryFile::Clear() const {
  return Change([](std::vector<RecordEntry>& entries) { entries.clear(); });
}

std::int64_t NowMilliseconds() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

std::string NewEntryId(std::int64_t time) {
  thread_local std::mt19937_64 engine{std::random_device{}()};
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string id = std::to_string(time) + "-";
  std::uint64_t random = engine();
  for (int i = 0; i < 12; ++i, random >>= 4) id += kDigits[random & 15];
  return id;
}

}  // namespace tallies
