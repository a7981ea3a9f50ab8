#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "record/record_entry.h"

namespace tallies {

// The history at most keeps this many entries; the oldest go first.
inline constexpr std::size_t kHistoryLimit = 1000;

// The history as text, oldest entry first: the line "Tallies history 1", then each entry as a
// block of lines after an empty line and up to the line "end", each line a key, a tab and the
// value's fields separated by tabs:
//   id, time (milliseconds since 1970 UTC), calculator, name, units ("us" or "metric"), version,
//   formula: one field each;
//   input, result: control, caption, text, value (a number in full, "-" for none), unit.
// In a field, a backslash, tab, line feed and carriage return are written \\, \t, \n and \r.
std::string HistoryText(std::span<const RecordEntry> entries);
// One entry's block, as it is added at the end of a history text.
std::string EntryBlock(const RecordEntry& entry);

// A history text as read: its entries, and where its last whole entry ends. An entry cut short
// at the end of the text (an addition that a crash or a full disk stopped on the way) is not one
// of its entries: the history is what it was before.
struct HistoryRead {
  std::vector<RecordEntry> entries;
  std::size_t end = 0;
};

// Reads a history text. Lines of keys it does not know are passed over (a later version may add
// some); none for anything else that is not a history of this version: a damaged or foreign
// file. An empty text is an empty history.
std::optional<HistoryRead> ReadHistory(std::string_view text);
std::optional<std::vector<RecordEntry>> ReadHistoryText(std::string_view text);

}  // namespace tallies
