#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "record/record_entry.h"

namespace tallies {

// The texts of the History window and of its messages, the same in every front-end.

// An entry's line in the list, after its time: its calculator and results
// ("Pump horsepower: Horsepower Required 8.751458 hp").
std::string EntrySummary(const RecordEntry& entry);

// Shown in the entry's place while the history is empty.
inline constexpr std::string_view kEmptyHistoryText =
    "No calculations yet: each Calc that gives a result adds one here.";

// Asked before the whole history is cleared (Yes clears, No keeps it).
inline constexpr std::string_view kClearHistoryQuestion =
    "Clear the whole history? Its entries cannot be brought back.";

// Told once when the history file could not be read and was kept aside.
std::string HistoryKeptAsideNotice(std::string_view keptAs);

// Told once when an entry could not be stored: the window keeps it while it is open.
inline constexpr std::string_view kHistoryNotStoredNotice =
    "The history could not be saved, so it is kept only until Tallies is closed.";

// The worked-calculation sheet, as an HTML document to print or save as PDF: each entry with
// its time, its inputs, the formula worked with those values and its results. Every text is
// escaped: nothing of an entry is taken as markup.
std::string WorkedSheetHtml(std::span<const RecordEntry> entries);
// The same sheet as lines of plain text, for a printer that is sent lines: a title line, then
// for each entry its name, its time and units, its inputs and results, and the worked line.
std::vector<std::string> WorkedSheetLines(std::span<const RecordEntry> entries);

}  // namespace tallies
