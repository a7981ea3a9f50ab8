#pragma once

#include <span>
#include <string>

#include "record/record_entry.h"

namespace tallies {

// The entry's time as people read it, in UTC: "2026-12-09 14:05:07 UTC".
std::string EntryTime(std::int64_t time);

// An entry as plain text: its name and time, one line per input and result ("caption: text
// unit"), and the formula.
std::string EntryPlainText(const RecordEntry& entry);

// An entry as a Markdown table (a heading line, then Quantity | Value | Unit rows for the inputs
// and the results, the formula below): table cells escape "|" and keep to one line.
std::string EntryMarkdown(const RecordEntry& entry);

// The entries as CSV (RFC 4180: CRLF line ends, fields with a comma, quote or line break in
// quotes, quotes doubled), UTF-8, after a header row: one row per input and result with the
// entry's time (ISO 8601, UTC), its calculator, units, the row's role (input or result), caption,
// the text as shown, the value with a decimal point in full, and the unit.
std::string HistoryCsv(std::span<const RecordEntry> entries);

}  // namespace tallies
