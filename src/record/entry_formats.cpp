#include "record/entry_formats.h"

#include <cstdio>

namespace tallies {
namespace {

std::string_view UnitsName(UnitSystem units) { return units == UnitSystem::kUS ? "US" : "Metric"; }

std::string WithUnit(const RecordedValue& value) {
  return value.unit.empty() ? value.text : value.text + " " + value.unit;
}

std::string CsvField(std::string_view field) {
  if (field.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(field);
  std::string quoted = "\"";
  for (const char c : field) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

// A Markdown table cell: one line, its bars escaped.
std::string Cell(std::string_view text) {
  std::string cell;
  for (const char c : text) {
    if (c == '|' || c == '\\') cell += '\\';
    cell += (c == '\n' || c == '\r') ? ' ' : c;
  }
  return cell;
}

// The time as ISO 8601 in UTC ("2026-12-09T14:05:07Z"): the civil date of a count of days
// (H. Hinnant's days-to-civil), which every standard library can do without its calendar.
std::string IsoTime(std::int64_t time) {
  const std::int64_t seconds = time >= 0 ? time / 1000 : (time - 999) / 1000;
  const std::int64_t days = seconds >= 0 ? seconds / 86400 : (seconds - 86399) / 86400;
  const std::int64_t inDay = seconds - days * 86400;
  const std::int64_t z = days + 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const std::int64_t dayOfEra = z - era * 146097;
  const std::int64_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const std::int64_t mp = (5 * dayOfYear + 2) / 153;
  const std::int64_t day = dayOfYear - (153 * mp + 2) / 5 + 1;
  const std::int64_t month = mp < 10 ? mp + 3 : mp - 9;
  const std::int64_t year = yearOfEra + era * 400 + (month <= 2);
  char text[96];
  std::snprintf(text, sizeof text, "%04lld-%02lld-%02lldT%02lld:%02lld:%02lldZ",
                static_cast<long long>(year), static_cast<long long>(month),
                static_cast<long long>(day), static_cast<long long>(inDay / 3600),
                static_cast<long long>(inDay / 60 % 60), static_cast<long long>(inDay % 60));
  return text;
}

}  // namespace

std::string EntryTime(std::int64_t time) {
  std::string text = IsoTime(time);
  text[10] = ' ';
  text.pop_back();
  return text + " UTC";
}

std::string EntryPlainText(const RecordEntry& entry) {
  std::string text = entry.name + " (" + std::string(UnitsName(entry.units)) + " units), " +
                     EntryTime(entry.time) + "\n";
  for (const RecordedValue& input : entry.inputs) text += input.caption + ": " + WithUnit(input) + "\n";
  for (const RecordedValue& result : entry.results) {
    text += result.caption + ": " + WithUnit(result) + "\n";
  }
  return text + "Formula: " + entry.formula + "\n";
}

std::string EntryMarkdown(const RecordEntry& entry) {
  std::string text = "**" + Cell(entry.name) + "** (" + std::string(UnitsName(entry.units)) +
                     " units), " + EntryTime(entry.time) + "\n\n| | Quantity | Value | Unit |\n|---|---|---:|---|\n";
  const auto rows = [&](std::string_view role, const std::vector<RecordedValue>& values) {
    for (const RecordedValue& value : values) {
      text += "| " + std::string(role) + " | " + Cell(value.caption) + " | " + Cell(value.text) +
              " | " + Cell(value.unit) + " |\n";
    }
  };
  rows("Input", entry.inputs);
  rows("Result", entry.results);
  return text + "\nFormula: " + Cell(entry.formula) + "\n";
}

std::string HistoryCsv(std::span<const RecordEntry> entries) {
  std::string csv = "time,calculator,units,role,caption,text,value,unit\r\n";
  for (const RecordEntry& entry : entries) {
    const std::string time = IsoTime(entry.time);
    const auto rows = [&](std::string_view role, const std::vector<RecordedValue>& values) {
      for (const RecordedValue& value : values) {
        const std::string number = value.value ? FullNumber(*value.value) : "";
        for (const std::string_view field :
             {std::string_view(time), std::string_view(entry.name),
              UnitsName(entry.units), role, std::string_view(value.caption),
              std::string_view(value.text), std::string_view(number),
              std::string_view(value.unit)}) {
          csv += CsvField(field);
          csv += ',';
        }
        csv.back() = '\r';
        csv += '\n';
      }
    };
    rows("input", entry.inputs);
    rows("result", entry.results);
  }
  return csv;
}

}  // namespace tallies
