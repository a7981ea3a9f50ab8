#include "record/history_keeper.h"

#include <algorithm>
#include <utility>

#include "config/app_config.h"
#include "record/history_text.h"
#include "record/history_texts.h"

namespace tallies {

HistoryKeeper::HistoryKeeper(std::optional<HistoryFile> file) : m_file(std::move(file)) {}

std::string HistoryKeeper::Take(HistoryState state) {
  m_entries = std::move(state.entries);
  if (!state.keptAside.empty()) return HistoryKeptAsideNotice(state.keptAside.string());
  if (!state.stored && !m_toldNotStored) {
    m_toldNotStored = true;
    return std::string(kHistoryNotStoredNotice);
  }
  return {};
}

std::string HistoryKeeper::Load() {
  if (!m_file) return {};
  return Take(m_file->Load());
}

std::string HistoryKeeper::Record(const Calculation& calculation,
                                  std::string_view decimalSeparator) {
  const std::int64_t now = NowMilliseconds();
  const std::optional<RecordEntry> entry =
      EntryOf(calculation, now, NewEntryId(now), kVersionText, decimalSeparator);
  return entry ? Add(*entry) : std::string();
}

std::string HistoryKeeper::Add(const RecordEntry& entry) {
  if (m_file) return Take(m_file->Add(entry));
  m_entries.push_back(entry);
  if (m_entries.size() > kHistoryLimit) m_entries.erase(m_entries.begin());
  return {};
}

std::string HistoryKeeper::Remove(std::string_view id) {
  if (m_file) return Take(m_file->Remove(id));
  std::erase_if(m_entries, [&](const RecordEntry& entry) { return entry.id == id; });
  return {};
}

std::string HistoryKeeper::Clear() {
  if (m_file) return Take(m_file->Clear());
  m_entries.clear();
  return {};
}

const RecordEntry* HistoryKeeper::Find(std::string_view id) const {
  const auto found = std::find_if(m_entries.begin(), m_entries.end(),
                                  [&](const RecordEntry& entry) { return entry.id == id; });
  return found == m_entries.end() ? nullptr : &*found;
}

}  // namespace tallies
