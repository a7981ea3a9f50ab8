#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "controls/calculate.h"
#include "numeric/unit_system.h"

namespace tallies {

// One input or result of a recorded calculation.
struct RecordedValue {
  std::string control;          // the field, list or result that showed it ("txtGPM")
  std::string caption;          // its caption in the calculation's units ("Gallons Per Minute")
  std::string text;             // as typed, or the whole result as written
  std::optional<double> value;  // the number it stands for; none for a list's entry
  std::string unit;             // its unit ("gpm"); empty where it has none

  bool operator==(const RecordedValue&) const = default;
};

// A calculation that ran to its end, as the history keeps it.
struct RecordEntry {
  std::string id;           // unique among entries: its time and a random part
  std::int64_t time = 0;    // milliseconds since 1970-01-01 00:00 UTC
  std::string calculator;   // the Calc button or list that ran it ("cmdHP")
  std::string name;         // the calculator's name for people ("Pump horsepower")
  UnitSystem units = UnitSystem::kUS;
  std::string formula;      // as its tooltip says it
  std::vector<RecordedValue> inputs;   // in read order
  std::vector<RecordedValue> results;  // in write order
  std::string version;      // of the program that calculated it

  bool operator==(const RecordEntry&) const = default;
};

// The longest input text an entry keeps, in bytes: a longer one (a paste of a whole document) is
// kept as its beginning and "…", so that one Calc cannot fill the history; its value is kept.
inline constexpr std::size_t kLongestRecordedText = 256;

// The entry of a calculation: the inputs it read, each with its caption in the calculator's
// units, and every result it wrote (a copy of a result into another field, such as the area
// into the rows below, is the same result and is not repeated). Result texts are read back as
// numbers with the separator they were written with. None when it wrote no result (a
// fill-the-empty-field calculator that found every field filled only empties them).
std::optional<RecordEntry> EntryOf(const Calculation& calculation, std::int64_t time,
                                   std::string_view id, std::string_view version,
                                   std::string_view decimalSeparator = ".");

// A number written in full: the shortest text with a decimal point that reads back as exactly
// the same Double ("10", "0.1", "1.0000000149011612E-05"... "1e-05" style exponents).
std::string FullNumber(double value);

}  // namespace tallies
