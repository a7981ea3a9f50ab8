#include "record/history_texts.h"

#include "record/entry_formats.h"

namespace tallies {
namespace {

std::string Shown(const RecordedValue& value) {
  return value.unit.empty() ? value.text : value.text + " " + value.unit;
}

std::string Escaped(std::string_view text) {
  std::string out;
  for (const char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&#39;"; break;
      default: out += c;
    }
  }
  return out;
}

}  // namespace

std::string EntrySummary(const RecordEntry& entry) {
  std::string summary = entry.name + ":";
  for (const RecordedValue& result : entry.results) {
    summary += (&result == &entry.results.front() ? " " : "; ") + result.caption + " " + Shown(result);
  }
  return summary;
}

std::string HistoryKeptAsideNotice(std::string_view keptAs) {
  return "The history could not be read. It was kept as \"" + std::string(keptAs) +
         "\", and a new history begins.";
}

namespace {

// "Worked: Power = 0.1 kW, from Flow = 1,5 l/min and Gauge = 10, by <formula>", unescaped.
std::string WorkedLine(const RecordEntry& entry) {
  std::string line = "Worked: ";
  for (const RecordedValue& result : entry.results) line += result.caption + " = " + Shown(result) + ", ";
  line += "from ";
  for (std::size_t i = 0; i < entry.inputs.size(); ++i) {
    if (i > 0) line += i + 1 == entry.inputs.size() ? " and " : ", ";
    line += entry.inputs[i].caption + " = " + Shown(entry.inputs[i]);
  }
  return line + ", by " + entry.formula;
}

std::string EntryHeading(const RecordEntry& entry) {
  return EntryTime(entry.time) + ", " + (entry.units == UnitSystem::kUS ? "US" : "Metric") +
         " units, Tallies " + entry.version;
}

constexpr std::string_view kSheetTitle = "Tallies: worked calculations";

}  // namespace

std::string WorkedSheetHtml(std::span<const RecordEntry> entries) {
  std::string html =
      "<!doctype html><html lang=\"en\"><head><meta charset=\"utf-8\"><title>" +
      std::string(kSheetTitle) +
      "</title><style>body{font-family:sans-serif;font-size:10pt}"
      "section{break-inside:avoid;margin-bottom:14pt}h2{font-size:12pt;margin:0 0 4pt}"
      "td,th{padding:1pt 8pt 1pt 0;text-align:left}td.n{text-align:right}"
      "</style></head><body><h1>" + std::string(kSheetTitle) + "</h1>";
  for (const RecordEntry& entry : entries) {
    html += "<section><h2>" + Escaped(entry.name) + "</h2><p>" + Escaped(EntryHeading(entry)) +
            "</p><table>";
    const auto rows = [&](std::string_view role, const std::vector<RecordedValue>& values) {
      for (const RecordedValue& value : values) {
        html += "<tr><th>" + std::string(role) + "</th><td>" + Escaped(value.caption) +
                "</td><td class=\"n\">" + Escaped(value.text) + "</td><td>" +
                Escaped(value.unit) + "</td></tr>";
      }
    };
    rows("Given", entry.inputs);
    rows("Result", entry.results);
    html += "</table><p>" + Escaped(WorkedLine(entry)) + "</p></section>";
  }
  return html + "</body></html>";
}

std::vector<std::string> WorkedSheetLines(std::span<const RecordEntry> entries) {
  std::vector<std::string> lines = {std::string(kSheetTitle)};
  for (const RecordEntry& entry : entries) {
    lines.insert(lines.end(), {"", entry.name, EntryHeading(entry)});
    for (const RecordedValue& input : entry.inputs) lines.push_back("Given  " + input.caption + ": " + Shown(input));
    for (const RecordedValue& result : entry.results) lines.push_back("Result " + result.caption + ": " + Shown(result));
    lines.push_back(WorkedLine(entry));
  }
  return lines;
}

}  // namespace tallies
