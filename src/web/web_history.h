#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "controls/calculate.h"
#include "record/record_entry.h"
#include "record/share_link.h"

namespace tallies {

// The record of calculations in the browser. The page keeps the history text (HistoryText) in
// its local storage and hands the text as stored now into every change, so that pages open in
// several tabs each add their entries without losing another's; the module answers the text to
// store. Between changes it keeps the entries of the last text it read, which the History
// window's actions on an entry and on the whole history work on.
//
// Each change answers the history as JSON: {"text": the text to store, "keptAside": the key
// under which the page keeps the stored text, which could not be read, or "" ("notice" then says
// so, once: the text to store is a new history), "notice": "" or what the user must be told,
// "entries": [{"id", "time" (milliseconds since 1970 UTC), "summary" (EntrySummary)}] newest
// first, as the list shows them}. A Calc's addition (RecordJson) answers no "entries": the
// History window, which lists them, is modal and reads them as it opens, and a long history
// would make every Calc describe all of it. For the same reason, a Calc's addition onto the text
// the module answered last (handed back unchanged) answers, in place of "text", "appended", the
// text to add at the end of the stored text, and "dropped", the oldest entry's text to take out
// of it where it first occurs ("" unless the history was at its limit).
class WebHistory {
 public:
  // Reads the stored text ("" when nothing is stored).
  std::string LoadJson(std::string_view stored, std::int64_t now);
  // Adds the entry of a calculation that ran to its end; none when it wrote no result.
  std::optional<std::string> RecordJson(std::string_view stored, const Calculation& calculation,
                                        std::string_view decimalSeparator, std::int64_t now,
                                        std::string_view id);
  std::string AddJson(std::string_view stored, const RecordEntry& entry, std::int64_t now,
                      bool listed = true);
  std::string RemoveJson(std::string_view stored, std::string_view id, std::int64_t now);
  std::string ClearJson();

  // The entries of the last text read, oldest first.
  const std::vector<RecordEntry>& Entries() const { return m_entries; }
  const RecordEntry* Find(std::string_view id) const;

 private:
  std::string Read(std::string_view stored, std::int64_t now);
  std::string StateJson(std::string_view keptAside, std::string_view notice, bool listed = true);

  std::vector<RecordEntry> m_entries;
  // The text m_entries were last given to the page as: the page stores it, and hands it back at
  // the next change unless another tab stored another meanwhile.
  std::string m_text;
};

// The key a stored history text that could not be read is kept under.
std::string KeptAsideKey(std::int64_t now);

// What shows a calculation in the main window, as JSON: {"found": true, "calculator", "units"
// (the units list's entry), "view" (the option button of its view, "" for none), "tabs":
// [[tab set, tab]] outermost first, "inputs": [[control, text]]}.
std::string PlacedCalculationJson(const SharedCalculation& calculation);
// The calculation of an entry, as a link passes it on.
SharedCalculation SharedOf(const RecordEntry& entry);
// A fragment of the page's address read as a link to a calculation: PlacedCalculationJson, or
// {"found": false} for anything that is not one (ReadShareFragment).
std::string ShareFragmentJson(std::string_view fragment);

}  // namespace tallies
