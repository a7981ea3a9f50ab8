#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "record/record_entry.h"
#include "settings/replace_file.h"
#include "settings/settings_folder.h"

namespace tallies {

// The folder of the history on Linux, as the XDG base directories say: "tallies" in
// $XDG_DATA_HOME when that is an absolute path, else in ~/.local/share; empty when neither can be
// found (the history then lives only as long as the window).
std::filesystem::path HistoryFolder(const Environment& environment = ProcessEnvironment());

// What the history holds after a load or a change.
struct HistoryState {
  std::vector<RecordEntry> entries;  // oldest first
  bool stored = true;                // false when a change could not be stored
  // Where a history file that could not be read was moved, so it is never lost and a new
  // history begins; empty when none was. The user is told once: the file is then out of the way.
  std::filesystem::path keptAside;
};

// The history as one file ("history", see HistoryText) in a folder. Each change takes the lock
// of the folder's "history.lock", reads the file as it is now (unless it is as this program left
// it), and adds the new entry at its end, or replaces it whole (ReplaceFile) to remove entries,
// so a crash at any moment leaves the old history or the new one, and windows of several running
// programs each add their entries without losing another's.
class HistoryFile {
 public:
  explicit HistoryFile(std::filesystem::path folder, ReplaceSteps steps = SystemReplaceSteps());
  ~HistoryFile();
  HistoryFile(HistoryFile&&) noexcept;
  HistoryFile& operator=(HistoryFile&&) noexcept;

  HistoryState Load() const;
  // Adds an entry as the newest; beyond kHistoryLimit entries the oldest are dropped.
  HistoryState Add(const RecordEntry& entry) const;
  HistoryState Remove(std::string_view id) const;
  HistoryState Clear() const;

  std::filesystem::path File() const;

 private:
  struct Seen;
  HistoryState Change(const std::function<void(std::vector<RecordEntry>&)>& change) const;
  HistoryState ReadLocked() const;
  bool StillAsSeen() const;
  void Remember(std::vector<RecordEntry> entries, std::size_t end) const;
  static void KeepNewest(std::vector<RecordEntry>& entries);

  std::filesystem::path m_folder;
  ReplaceSteps m_steps;
  mutable std::unique_ptr<Seen> m_seen;
};

// The time now, in milliseconds since 1970-01-01 00:00 UTC.
std::int64_t NowMilliseconds();
// An id for a new entry: its time and a random part, so entries made in the same millisecond by
// two programs differ.
std::string NewEntryId(std::int64_t time);

}  // namespace tallies
