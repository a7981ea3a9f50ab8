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

// The file as this program last read or wrote it: when it is still so, a change need not read
// it again. Its size and time of last change say whether another program has changed it since.
struct HistoryFile::Seen {
  std::uintmax_t size = 0;
  std::filesystem::file_time_type written;
  std::vector<RecordEntry> entries;
  std::size_t end = 0;  // where its last whole entry ends
};

HistoryFile::~HistoryFile() = default;
HistoryFile::HistoryFile(HistoryFile&&) noexcept = default;
HistoryFile& HistoryFile::operator=(HistoryFile&&) noexcept = default;

bool HistoryFile::StillAsSeen() const {
  std::error_code error;
  const std::filesystem::path file = File();
  return m_seen && std::filesystem::file_size(file, error) == m_seen->size && !error &&
         std::filesystem::last_write_time(file, error) == m_seen->written && !error;
}

void HistoryFile::Remember(std::vector<RecordEntry> entries, std::size_t end) const {
  std::error_code error;
  auto seen = std::make_unique<Seen>();
  seen->size = std::filesystem::file_size(File(), error);
  seen->written = std::filesystem::last_write_time(File(), error);
  seen->entries = std::move(entries);
  seen->end = end;
  if (error) seen.reset();
  m_seen = std::move(seen);
}

HistoryState HistoryFile::ReadLocked() const {
  HistoryState state;
  const std::filesystem::path file = File();
  std::error_code error;
  if (StillAsSeen()) {
    state.entries = m_seen->entries;
    return state;
  }
  m_seen.reset();
  if (!std::filesystem::exists(file, error)) return state;
  std::optional<HistoryRead> read;
  if (std::filesystem::is_regular_file(file, error) &&
      std::filesystem::file_size(file, error) <= kLargestFile && !error) {
    std::ifstream in(file, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in || in.eof()) read = ReadHistory(text);
  }
  if (read) {
    state.entries = read->entries;
    Remember(std::move(read->entries), read->end);
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
  HistoryState state = ReadLocked();
  KeepNewest(state.entries);
  return state;
}

void HistoryFile::KeepNewest(std::vector<RecordEntry>& entries) {
  if (entries.size() > kHistoryLimit) {
    entries.erase(entries.begin(), entries.end() - static_cast<std::ptrdiff_t>(kHistoryLimit));
  }
}

HistoryState HistoryFile::Change(
    const std::function<void(std::vector<RecordEntry>&)>& change) const {
  std::error_code error;
  std::filesystem::create_directories(m_folder, error);
  const FileLock lock(m_folder / "history.lock");
  HistoryState state = ReadLocked();
  change(state.entries);
  KeepNewest(state.entries);
  const std::string text = HistoryText(state.entries);
  state.stored = lock.Held() && ReplaceFile(File(), text, m_steps);
  if (state.stored) {
    Remember(state.entries, text.size());
  } else {
    m_seen.reset();
  }
  return state;
}

// An entry is added at the end of the file, which is quick: the file is written whole only when
// it is new or holds kHistoryLimit entries and more by a tenth, to drop the oldest. An addition cut
// short by a crash is no entry when the file is read (ReadHistory), and is cut off before the
// next one is added.
HistoryState HistoryFile::Add(const RecordEntry& entry) const {
  std::error_code error;
  std::filesystem::create_directories(m_folder, error);
  const FileLock lock(m_folder / "history.lock");
  HistoryState state = ReadLocked();
  if (!state.keptAside.empty() || !m_seen || state.entries.size() >= kHistoryLimit + kHistoryLimit / 10) {
    m_seen.reset();
    state.entries.push_back(entry);
    KeepNewest(state.entries);
    const std::string text = HistoryText(state.entries);
    state.stored = lock.Held() && ReplaceFile(File(), text, m_steps);
    if (state.stored) Remember(state.entries, text.size());
    return state;
  }
  if (std::filesystem::file_size(File(), error) != m_seen->end) {
    std::filesystem::resize_file(File(), m_seen->end, error);
  }
  const std::string block = EntryBlock(entry);
  state.stored = lock.Held() && !error && m_steps.appendDurably(File(), block);
  state.entries.push_back(entry);
  if (state.stored) {
    Remember(state.entries, m_seen->end + block.size());
  } else {
    m_seen.reset();
  }
  KeepNewest(state.entries);
  return state;
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
