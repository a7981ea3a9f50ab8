#include "record/history_text.h"

#include <charconv>

#include "numeric/char_conv.h"

namespace tallies {
namespace {

constexpr std::string_view kHeader = "Tallies history 1";

void AppendEscaped(std::string& out, std::string_view field) {
  for (const char c : field) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '\t': out += "\\t"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      default: out += c;
    }
  }
}

std::optional<std::string> Unescaped(std::string_view field) {
  std::string out;
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] != '\\') {
      out += field[i];
      continue;
    }
    if (++i == field.size()) return std::nullopt;
    switch (field[i]) {
      case '\\': out += '\\'; break;
      case 't': out += '\t'; break;
      case 'n': out += '\n'; break;
      case 'r': out += '\r'; break;
      default: return std::nullopt;
    }
  }
  return out;
}

void AppendLine(std::string& out, std::string_view key, std::initializer_list<std::string_view> fields) {
  out += key;
  for (const std::string_view field : fields) {
    out += '\t';
    AppendEscaped(out, field);
  }
  out += '\n';
}

void AppendValue(std::string& out, std::string_view key, const RecordedValue& value) {
  const std::string number = value.value ? FullNumber(*value.value) : "-";
  AppendLine(out, key, {value.control, value.caption, value.text, number, value.unit});
}

std::vector<std::string_view> SplitTabs(std::string_view line) {
  std::vector<std::string_view> fields;
  for (std::size_t start = 0;;) {
    const std::size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab - start));
    if (tab == std::string_view::npos) return fields;
    start = tab + 1;
  }
}

std::optional<double> NumberField(std::string_view text) {
  double value = 0;
  const auto [end, error] = FromChars(text.data(), text.data() + text.size(), value,
                                      std::chars_format::general);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// Reads one entry's line into it; false when the line is malformed.
bool ReadLine(RecordEntry& entry, std::string_view key, const std::vector<std::string>& fields) {
  const auto one = [&](std::string& into) {
    if (fields.size() != 1) return false;
    into = fields[0];
    return true;
  };
  if (key == "id") return one(entry.id) && !entry.id.empty();
  if (key == "calculator") return one(entry.calculator) && !entry.calculator.empty();
  if (key == "name") return one(entry.name);
  if (key == "version") return one(entry.version);
  if (key == "formula") return one(entry.formula);
  if (key == "time") {
    if (fields.size() != 1) return false;
    const std::string& text = fields[0];
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), entry.time);
    return error == std::errc() && end == text.data() + text.size();
  }
  if (key == "units") {
    if (fields.size() != 1 || (fields[0] != "us" && fields[0] != "metric")) return false;
    entry.units = fields[0] == "us" ? UnitSystem::kUS : UnitSystem::kMetric;
    return true;
  }
  if (key == "input" || key == "result") {
    if (fields.size() != 5) return false;
    RecordedValue value{fields[0], fields[1], fields[2], std::nullopt, fields[4]};
    if (fields[3] != "-") {
      value.value = NumberField(fields[3]);
      if (!value.value) return false;
    }
    (key == "input" ? entry.inputs : entry.results).push_back(std::move(value));
    return true;
  }
  return true;  // a key of a later version
}

}  // namespace

std::string EntryBlock(const RecordEntry& entry) {
  std::string out = "\n";
  AppendLine(out, "id", {entry.id});
  AppendLine(out, "time", {std::to_string(entry.time)});
  AppendLine(out, "calculator", {entry.calculator});
  AppendLine(out, "name", {entry.name});
  AppendLine(out, "units", {entry.units == UnitSystem::kUS ? "us" : "metric"});
  AppendLine(out, "version", {entry.version});
  AppendLine(out, "formula", {entry.formula});
  for (const RecordedValue& input : entry.inputs) AppendValue(out, "input", input);
  for (const RecordedValue& result : entry.results) AppendValue(out, "result", result);
  return out + "end\n";
}

std::string HistoryText(std::span<const RecordEntry> entries) {
  std::string out(kHeader);
  out += '\n';
  for (const RecordEntry& entry : entries) out += EntryBlock(entry);
  return out;
}

std::optional<HistoryRead> ReadHistory(std::string_view text) {
  HistoryRead read;
  if (text.empty()) return read;
  if (text.substr(0, kHeader.size() + 1) != std::string(kHeader) + "\n") return std::nullopt;
  read.end = kHeader.size() + 1;
  // The lines of the entry being read, from its empty line on; an entry is taken at its "end".
  std::vector<std::string_view> block;
  bool inBlock = false;
  for (std::size_t at = read.end; at < text.size();) {
    const std::size_t stop = text.find('\n', at);
    if (stop == std::string_view::npos) break;  // a line cut short: the rest was never whole
    const std::string_view line = text.substr(at, stop - at);
    at = stop + 1;
    if (!inBlock) {
      if (!line.empty()) return std::nullopt;
      inBlock = true;
      block.clear();
      continue;
    }
    if (line != "end") {
      block.push_back(line);
      continue;
    }
    RecordEntry entry;
    for (const std::string_view entryLine : block) {
      const std::vector<std::string_view> parts = SplitTabs(entryLine);
      std::vector<std::string> fields;
      for (std::size_t i = 1; i < parts.size(); ++i) {
        std::optional<std::string> field = Unescaped(parts[i]);
        if (!field) return std::nullopt;
        fields.push_back(std::move(*field));
      }
      if (!ReadLine(entry, parts[0], fields)) return std::nullopt;
    }
    if (entry.id.empty() || entry.calculator.empty()) return std::nullopt;
    read.entries.push_back(std::move(entry));
    read.end = at;
    inBlock = false;
  }
  return read;
}

std::optional<std::vector<RecordEntry>> ReadHistoryText(std::string_view text) {
  std::optional<HistoryRead> read = ReadHistory(text);
  if (!read) return std::nullopt;
  return std::move(read->entries);
}

}  // namespace tallies
