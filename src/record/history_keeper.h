#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "controls/calculate.h"
#include "record/history_file.h"
#include "record/record_entry.h"

namespace tallies {

// A window's history: the entries it shows, kept in the history file when it has one. What the
// user must be told (a file kept aside, a history that could not be stored) is answered once.
class HistoryKeeper {
 public:
  // Without a file the history lasts as long as the window.
  explicit HistoryKeeper(std::optional<HistoryFile> file = std::nullopt);

  // Reads the file; a notice to show, or empty.
  std::string Load();
  // Records a calculation that ran to its end (nothing for one that wrote no result); a notice
  // to show, or empty. The entry's time is now, its version this program's.
  std::string Record(const Calculation& calculation, std::string_view decimalSeparator);
  std::string Add(const RecordEntry& entry);
  std::string Remove(std::string_view id);
  std::string Clear();

  // Oldest first.
  const std::vector<RecordEntry>& Entries() const { return m_entries; }
  const RecordEntry* Find(std::string_view id) const;

 private:
  std::string Take(HistoryState state);

  std::optional<HistoryFile> m_file;
  std::vector<RecordEntry> m_entries;
  bool m_toldNotStored = false;
};

}  // namespace tallies
